// A frame that holds controls: a child window whose client origin is the frame's outer corner, drawn as a
// group box with its caption, or as a plain etched box when it has none.
#pragma once

#include "platform/win32/Win32.h"

namespace dorvik::win32
{

inline constexpr wchar_t kFrameClassName[] = L"DorvikFrame";

void RegisterFrameClass(HINSTANCE instance);

// place gives left, top, right and bottom in the parent's client pixels. Controls inside report to the frame
// as their parent; the frame hands every notification on to its own
// parent, so the main window sees them as if the controls were its own.
HWND CreateFrame(HWND parent, int id, const wchar_t* caption, DWORD extraStyle, const RECT& place,
                 HINSTANCE instance);

// Sizes the frame's drawn border to the frame, puts it beneath the frame's controls (so call it once they
// exist) and gives its caption the font of the controls.
void LayoutFrame(HWND frame, HFONT font);

// Enables or disables the frame and greys its caption with it.
void EnableFrame(HWND frame, bool enabled);

} // namespace dorvik::win32
