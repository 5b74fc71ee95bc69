// Takes the place of powrprof.dll in a test's throwaway Wine prefix, for dorvik.exe alone (no program of
// Wine's own loads it). SetSuspendState appends what it was asked to the file named by %POWRPROF_LOG% and
// returns at once, as a computer that woke again would; sleep and hibernation are allowed.
#include <windows.h>

#include <string>

#include "stub/StubLog.h"

extern "C"
{
    __declspec(dllexport) BOOLEAN WINAPI
        SetSuspendState(BOOLEAN hibernate, BOOLEAN force, BOOLEAN wakeEventsOff);
    __declspec(dllexport) BOOLEAN WINAPI IsPwrHibernateAllowed();
    __declspec(dllexport) BOOLEAN WINAPI IsPwrSuspendAllowed();
}

extern "C" __declspec(dllexport) BOOLEAN WINAPI
    SetSuspendState(BOOLEAN hibernate, BOOLEAN force, BOOLEAN wakeEventsOff)
{
    const std::wstring line = L"SetSuspendState hibernate=" + std::to_wstring(hibernate) + L" force=" +
                              std::to_wstring(force) + L" wakeEventsOff=" + std::to_wstring(wakeEventsOff);
    return dorvik::e2e::stub::AppendLine(L"POWRPROF_LOG", L"C:\\powrprof.log", line) ? TRUE : FALSE;
}

extern "C" __declspec(dllexport) BOOLEAN WINAPI IsPwrHibernateAllowed()
{
    return TRUE;
}

extern "C" __declspec(dllexport) BOOLEAN WINAPI IsPwrSuspendAllowed()
{
    return TRUE;
}
