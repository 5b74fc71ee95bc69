// The layout of the shared memory through which the driver asks the injected menu probe to read a menu of
// the program under test, and through which the probe answers. Both sides are built from this header.
#pragma once

#include <cstdint>

namespace dorvik::e2e::menuprobe
{

// "Local\DorvikMenuProbe.<pid of the program under test>"
inline constexpr wchar_t kMappingPrefix[] = L"Local\\DorvikMenuProbe.";

enum class Status : uint32_t
{
    Pending = 0,
    Done = 1,
    NoWindow = 2,
    NoMenu = 3,
    Overflow = 4,
};

inline constexpr uint32_t kVersion = 1;
inline constexpr uint32_t kTextCapacity = 30000;
inline constexpr uint32_t kPropertyCapacity = 64;

// One line per menu item, depth first, fields separated by tabs:
//   level  id  flags  submenu  caption
// level 0 is the top of the menu read; flags is a set of letters: C checked, G grayed, D disabled,
// S separator, P opens a submenu, R radio check mark, F default item; submenu is the submenu's handle in
// hexadecimal (0 for none). The caption comes last because it may itself hold a tab (before a shortcut).
struct Request
{
    uint32_t version;
    Status status;
    // The window whose menu is read; 0 = the top-level window of the process titled kDefaultTitle.
    uint64_t window;
    // Empty: the window's menu bar (GetMenu). Otherwise the name of a window property (GetPropW) under which
    // the program keeps another menu handle, such as a pop-up menu that is not on the menu bar.
    wchar_t property[kPropertyCapacity];
    uint32_t textLength;
    wchar_t text[kTextCapacity];
};

inline constexpr wchar_t kDefaultTitle[] = L"Dorvik! V1.0";

} // namespace dorvik::e2e::menuprobe
