#include "ui/win32/FrameContainer.h"

namespace dorvik::win32
{

namespace
{

// The border is the frame's child without an id; it stays at the bottom of the z-order, under the controls.
constexpr int kBorderId = 0;

HWND Border(HWND frame)
{
    return ::GetDlgItem(frame, kBorderId);
}

LRESULT CALLBACK FrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    switch (message)
    {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORSCROLLBAR:
        if (const HWND parent = ::GetParent(frame))
        {
            return ::SendMessageW(parent, message, wParam, lParam);
        }
        break;
    default:
        break;
    }
    return ::DefWindowProcW(frame, message, wParam, lParam);
}

} // namespace

void RegisterFrameClass(HINSTANCE instance)
{
    WNDCLASSEXW frameClass{};
    if (::GetClassInfoExW(instance, kFrameClassName, &frameClass))
    {
        return;
    }
    frameClass.cbSize = sizeof(frameClass);
    frameClass.lpfnWndProc = &FrameProc;
    frameClass.hInstance = instance;
    frameClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    frameClass.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
    frameClass.lpszClassName = kFrameClassName;
    ::RegisterClassExW(&frameClass);
}

HWND CreateFrame(HWND parent, int id, const wchar_t* caption, DWORD extraStyle, const RECT& place,
                 HINSTANCE instance)
{
    // Not WS_CLIPCHILDREN: the border child covers the whole frame but paints only its lines, so the frame
    // must erase the background beneath it. The border clips its siblings instead: a themed group box
    // paints its whole rectangle, and would paint over the controls when it happens to paint after them.
    const HWND frame = ::CreateWindowExW(
        WS_EX_CONTROLPARENT, kFrameClassName, caption, WS_CHILD | WS_CLIPSIBLINGS | extraStyle, place.left,
        place.top, place.right - place.left, place.bottom - place.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (!frame)
    {
        return nullptr;
    }
    const bool captioned = caption && *caption;
    ::CreateWindowExW(0, captioned ? L"Button" : L"Static", captioned ? caption : L"",
                      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS |
                          (captioned ? DWORD{BS_GROUPBOX} : DWORD{SS_ETCHEDFRAME}),
                      0, 0, 0, 0, frame, nullptr, instance, nullptr);
    return frame;
}

void LayoutFrame(HWND frame, HFONT font)
{
    RECT client{};
    ::GetClientRect(frame, &client);
    const HWND border = Border(frame);
    ::SetWindowPos(border, HWND_BOTTOM, 0, 0, client.right, client.bottom, SWP_NOACTIVATE);
    ::SendMessageW(border, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void EnableFrame(HWND frame, bool enabled)
{
    ::EnableWindow(frame, enabled);
    ::EnableWindow(Border(frame), enabled);
}

} // namespace dorvik::win32
