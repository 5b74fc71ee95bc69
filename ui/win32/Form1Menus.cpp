#include "ui/win32/Form1Menus.h"

#include <string>
#include <string_view>

#include "resources/UiText.h"

namespace dorvik::win32
{

namespace
{

// Tools working inside the process find the tray menu under this window property, as they find the bar.
constexpr wchar_t kTrayMenuProperty[] = L"DorvikTrayMenu";

void AppendMenuEntry(HMENU menu, MenuItem id, std::wstring_view caption, UINT state = 0,
                     HMENU submenu = nullptr)
{
    std::wstring text(caption);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | (submenu ? MIIM_SUBMENU : 0u);
    info.wID = static_cast<UINT>(id);
    info.fState = state;
    info.hSubMenu = submenu;
    info.dwTypeData = text.data();
    ::InsertMenuItemW(menu, static_cast<UINT>(::GetMenuItemCount(menu)), TRUE, &info);
}

void AppendSeparator(HMENU menu, MenuItem id)
{
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID | MIIM_FTYPE;
    info.fType = MFT_SEPARATOR;
    info.wID = static_cast<UINT>(id);
    ::InsertMenuItemW(menu, static_cast<UINT>(::GetMenuItemCount(menu)), TRUE, &info);
}

} // namespace

void Form1Menus::Create(HWND window)
{
    const HMENU secenekler = ::CreatePopupMenu();
    AppendMenuEntry(secenekler, MenuItem::SaateGore, text::kMenuSaateGore, MFS_CHECKED);
    AppendMenuEntry(secenekler, MenuItem::ProgramaGore, text::kMenuProgramaGore);

    const HMENU kapamaTuru = ::CreatePopupMenu();
    AppendMenuEntry(kapamaTuru, MenuItem::BilgisayariKapat, text::kMenuBilgisayariKapat, MFS_CHECKED);
    AppendMenuEntry(kapamaTuru, MenuItem::OturumuKapat, text::kMenuOturumuKapat);
    AppendMenuEntry(kapamaTuru, MenuItem::BilgisayariYenidenBaslat, text::kMenuBilgisayariYenidenBaslat);

    const HMENU secenek = ::CreatePopupMenu();
    AppendMenuEntry(secenek, MenuItem::secenekler, text::kMenuSecenekler, 0, secenekler);
    AppendMenuEntry(secenek, MenuItem::KapamaTuru, text::kMenuKapamaTuru, 0, kapamaTuru);
    AppendSeparator(secenek, MenuItem::Cizgi);
    AppendMenuEntry(secenek, MenuItem::Cikis, text::kMenuCikis);

    UniqueHmenu bar(::CreateMenu());
    AppendMenuEntry(bar.get(), MenuItem::secenek, text::kMenuSecenek, 0, secenek);
    AppendMenuEntry(bar.get(), MenuItem::ProgramHakkinda, text::kMenuProgramHakkinda);
    if (::SetMenu(window, bar.get()))
    {
        // The window destroys its menu bar with itself.
        bar_ = bar.release();
    }

    // The tray's menu never stands on the menu bar; it is only ever popped up.
    trayMenu_.reset(::CreatePopupMenu());
    AppendMenuEntry(trayMenu_.get(), MenuItem::mPopRestore, text::kMenuPopRestore);
    AppendSeparator(trayMenu_.get(), MenuItem::Bos);
    AppendMenuEntry(trayMenu_.get(), MenuItem::mPopExit, text::kMenuPopExit);
    ::SetPropW(window, kTrayMenuProperty, trayMenu_.get());
}

void Form1Menus::Detach(HWND window) noexcept
{
    ::RemovePropW(window, kTrayMenuProperty);
    bar_ = nullptr;
}

HMENU Form1Menus::Holding(MenuItem item) const noexcept
{
    const bool trayItem =
        item == MenuItem::mPopRestore || item == MenuItem::Bos || item == MenuItem::mPopExit;
    return trayItem ? trayMenu_.get() : bar_;
}

bool Form1Menus::Checked(MenuItem item) const
{
    const UINT state = ::GetMenuState(Holding(item), static_cast<UINT>(item), MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && (state & MF_CHECKED) != 0;
}

void Form1Menus::SetChecked(MenuItem item, bool checked)
{
    ::CheckMenuItem(Holding(item), static_cast<UINT>(item),
                    MF_BYCOMMAND | (checked ? UINT{MF_CHECKED} : UINT{MF_UNCHECKED}));
}

std::optional<MenuItem> Form1Menus::PopupTrayMenu(HWND window, const std::optional<RECT>& beside) const
{
    // TPM_RIGHTBUTTON: the menu opens on a right click, and either button may choose from it. TPM_RETURNCMD:
    // the chosen command comes back here instead of as a WM_COMMAND posted for later, so that it has run
    // when the menu's caller goes on (and gives the keyboard focus back to the icon, or not).
    constexpr UINT kFlags = TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY;
    BOOL chosen = FALSE;
    if (beside)
    {
        // Above or below the area, never over it, so the icon the user opened it from stays in sight.
        TPMPARAMS exclude{};
        exclude.cbSize = sizeof(exclude);
        exclude.rcExclude = *beside;
        chosen = ::TrackPopupMenuEx(trayMenu_.get(), kFlags | TPM_BOTTOMALIGN | TPM_VERTICAL, beside->left,
                                    beside->top, window, &exclude);
    }
    else
    {
        POINT at{};
        ::GetCursorPos(&at);
        chosen = ::TrackPopupMenuEx(trayMenu_.get(), kFlags, at.x, at.y, window, nullptr);
    }
    // Without a message after the menu, the next right click on the icon would not open it again.
    ::PostMessageW(window, WM_NULL, 0, 0);
    if (chosen == 0)
    {
        return std::nullopt;
    }
    return static_cast<MenuItem>(chosen);
}

} // namespace dorvik::win32
