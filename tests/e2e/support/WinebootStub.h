// The recording stubs, seen from the driver. A test whose suite or name contains "WinebootStub" runs in a
// session whose wineboot.exe is the stub (see wine-session): a closing requested through ExitWindowsEx is
// then written to a log instead of ending the session. One whose name contains "PowrprofStub" gets a
// powrprof.dll that writes down a sleep or a hibernation instead.
#pragma once

#include <string>
#include <vector>

namespace dorvik::e2e
{

// Whether this session's wineboot.exe is the recording stub.
bool WinebootStubActive();

// The command lines the stub recorded so far, such as
// "C:\windows\system32\wineboot.exe --end-session --shutdown".
std::vector<std::wstring> WinebootStubCalls();

// Whether this session's powrprof.dll is the recording stub.
bool PowrprofStubActive();

// What the powrprof stub recorded so far, such as "SetSuspendState hibernate=0 force=0 wakeEventsOff=0".
std::vector<std::wstring> PowrprofStubCalls();

// Whether a recorded command line carries the switch ("--kill", "--shutdown", "--end-session", "--force").
bool HasSwitch(const std::wstring& commandLine, std::wstring_view closingSwitch);

} // namespace dorvik::e2e
