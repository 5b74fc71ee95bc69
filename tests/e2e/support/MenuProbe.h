// Reading the program's menus from the inside. Under Wine menu handles belong to their process, so
// GetMenuItemInfo from the driver fails; the driver loads dorvik_menuprobe.dll into the program, which
// reads the menu there and unloads itself.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "support/Window.h"

namespace dorvik::e2e
{

struct MenuItemState
{
    // The captions from the top of the menu down to this item, "&" included ({"Dorvik!", "Kapama Türü",
    // "Bilgisayarı Kapat"}); the last one is the item's own caption (empty for a separator).
    std::vector<std::wstring> path;
    int level = 0;
    int id = 0;
    bool checked = false;
    bool grayed = false;
    bool disabled = false;
    bool separator = false;
    bool popup = false;
    bool radioCheck = false;
    bool defaultItem = false;
    // The submenu's handle as the program sees it (for a WM_INITMENUPOPUP sent to the program).
    uintptr_t submenu = 0;

    const std::wstring& Caption() const { return path.back(); }
};

void PrintTo(const MenuItemState& item, std::ostream* out);

// The items of window's menu bar, depth first. window must belong to a process the driver may open for
// thread creation (any process of the same session under Wine). Throws std::runtime_error on failure.
std::vector<MenuItemState> ReadMenuBar(const Window& window);

// The items of a menu that the program keeps under a window property (SetPropW(window, property, menu)),
// such as a pop-up menu that is not on the menu bar.
std::vector<MenuItemState> ReadPropertyMenu(const Window& window, std::wstring_view property);

// The item whose caption path is path ({L"Dorvik!", L"Kapama Türü", L"Oturumu Kapat"}), or nothing.
std::optional<MenuItemState> FindMenuItem(const std::vector<MenuItemState>& items,
                                          const std::vector<std::wstring>& path);

// The item with command id id, or nothing.
std::optional<MenuItemState> FindMenuItem(const std::vector<MenuItemState>& items, int id);

// Loads a DLL into process pid by a remote thread running LoadLibraryW, and returns what LoadLibraryW
// returned there (truncated to 32 bits by the thread's exit code; 0 when DllMain refused to stay).
unsigned long InjectLibrary(DWORD pid, const std::wstring& dllPath);

} // namespace dorvik::e2e
