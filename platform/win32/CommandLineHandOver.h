// How a later copy of the program finds the running one and hands it a command line: a WM_COPYDATA to its
// main window, whose answer is the exit code. Windows lets only processes that may already send to the
// window deliver it (never one of a lower integrity level), and the receiver checks the payload as it
// would check its own command line. A text that goes with the answer (the status line) comes back as a
// WM_COPYDATA of its own to the message-only window that the request names in its wParam, while the later
// copy still waits for the answer.
#pragma once

#include "platform/win32/Win32.h"

namespace dorvik::win32
{

// The main window's class, by which a later copy finds it.
inline constexpr wchar_t kMainWindowClass[] = L"DorvikMainWindow";

// Tells a command line from any other WM_COPYDATA: "DRVK" in its bytes.
inline constexpr ULONG_PTR kCommandLineCopyData = 0x4B565244;

// The later copy's window for the text of the answer, and the mark of that text: "DRVA".
inline constexpr wchar_t kAnswerWindowClass[] = L"DorvikAnswerWindow";
inline constexpr ULONG_PTR kAnswerCopyData = 0x41565244;
inline constexpr std::size_t kMaxAnswerChars = 1024;

} // namespace dorvik::win32
