// Standard controls across the process boundary.
#include "support/Controls.h"

#include <windows.h>

#include <commctrl.h>
#include <stdexcept>

#include "support/RemoteMemory.h"

namespace dorvik::e2e
{

DWORD ButtonType(const Window& button) noexcept
{
    return button.Style() & BS_TYPEMASK;
}

bool IsChecked(const Window& button)
{
    return button.Send(BM_GETCHECK) == BST_CHECKED;
}

void Click(const Window& button)
{
    if (!button.Post(BM_CLICK))
    {
        throw std::runtime_error("cannot post BM_CLICK");
    }
}

int EditLimit(const Window& edit)
{
    return static_cast<int>(edit.Send(EM_GETLIMITTEXT));
}

std::vector<ComboItem> ComboItems(const Window& combo)
{
    std::vector<ComboItem> items;
    const LRESULT count = combo.Send(CB_GETCOUNT);
    for (WPARAM i = 0; i < static_cast<WPARAM>(count > 0 ? count : 0); ++i)
    {
        const LRESULT length = combo.Send(CB_GETLBTEXTLEN, i);
        // Windows and Wine marshal CB_GETLBTEXT, so a local buffer is fine.
        std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
        const LRESULT copied = combo.Send(CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
        items.push_back({std::move(text), combo.Send(CB_GETITEMDATA, i)});
    }
    return items;
}

int ComboSelection(const Window& combo)
{
    return static_cast<int>(combo.Send(CB_GETCURSEL));
}

void SelectComboItem(const Window& combo, int index)
{
    combo.Send(CB_SETCURSEL, static_cast<WPARAM>(index));
    const Window parent = combo.Parent();
    if (!parent.Post(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(combo.Id()), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo.Handle())))
    {
        throw std::runtime_error("cannot post CBN_SELCHANGE");
    }
}

int ScrollPosition(const Window& scrollBar)
{
    return static_cast<int>(scrollBar.Send(SBM_GETPOS));
}

ScrollState ScrollBarState(const Window& scrollBar)
{
    // SBM_GETSCROLLINFO lies below WM_USER, so the system copies the structure across processes itself (a
    // pointer into the target would be refused).
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    if (!scrollBar.Send(SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&info)))
    {
        throw std::runtime_error("SBM_GETSCROLLINFO failed");
    }
    return {info.nMin, info.nMax, info.nPos, info.nPage};
}

std::wstring StatusBarText(const Window& statusBar, int part)
{
    const LRESULT lengthAndType = statusBar.Send(SB_GETTEXTLENGTHW, static_cast<WPARAM>(part));
    const size_t length = LOWORD(lengthAndType);
    std::wstring text(length + 1, L'\0');
    const RemoteMemory buffer(statusBar.ProcessId(), text.size() * sizeof(wchar_t));
    buffer.Write(text.data(), text.size() * sizeof(wchar_t));
    statusBar.Send(SB_GETTEXTW, static_cast<WPARAM>(part), buffer.AsLParam());
    buffer.Read(text.data(), text.size() * sizeof(wchar_t));
    text.resize(length);
    return text;
}

std::vector<int> StatusBarParts(const Window& statusBar)
{
    constexpr int kMostParts = 256;
    const RemoteMemory buffer(statusBar.ProcessId(), kMostParts * sizeof(int));
    const LRESULT count = statusBar.Send(SB_GETPARTS, kMostParts, buffer.AsLParam());
    std::vector<int> edges(static_cast<size_t>(count > 0 ? count : 0));
    if (!edges.empty())
    {
        buffer.Read(edges.data(), edges.size() * sizeof(int));
    }
    return edges;
}

} // namespace dorvik::e2e
