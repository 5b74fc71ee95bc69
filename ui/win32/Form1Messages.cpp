// The main window's message dispatch: each message it handles becomes one call of a Form1 handler.
#include "platform/win32/Win32.h"

#include <algorithm>
#include <commctrl.h>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <windowsx.h>

#include "command/Payload.h"
#include "platform/win32/CommandLineHandOver.h"
#include "ui/win32/Form1Window.h"

namespace dorvik::win32
{

namespace
{

// The click handler of each menu item that runs a command; the items that open a submenu have none.
constexpr std::pair<MenuItem, void (Form1::*)()> kMenuHandlers[] = {
    {MenuItem::SaateGore, &Form1::SaateGore_Click},
    {MenuItem::ProgramaGore, &Form1::ProgramaGore_Click},
    {MenuItem::BilgisayariKapat, &Form1::BilgisayariKapat_Click},
    {MenuItem::OturumuKapat, &Form1::OturumuKapat_Click},
    {MenuItem::BilgisayariYenidenBaslat, &Form1::BilgisayariYenidenBaslat_Click},
    {MenuItem::Cikis, &Form1::Cikis_Click},
    {MenuItem::ProgramHakkinda, &Form1::ProgramHakkinda_Click},
    {MenuItem::mPopRestore, &Form1::mPopRestore_Click},
    {MenuItem::mPopExit, &Form1::mPopExit_Click},
};

int MouseButtons(WPARAM keys)
{
    return ((keys & MK_LBUTTON) ? 1 : 0) | ((keys & MK_RBUTTON) ? 2 : 0) | ((keys & MK_MBUTTON) ? 4 : 0);
}

int ShiftState(WPARAM keys)
{
    return ((keys & MK_SHIFT) ? 1 : 0) | ((keys & MK_CONTROL) ? 2 : 0) | (::GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

} // namespace

LRESULT Form1Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    if (message == WM_NCDESTROY)
    {
        menus_.Detach(hwnd_);
    }
    if (!form_)
    {
        // A later copy that hands over a command line this early must not read Windows' 0 as "done".
        if (message == WM_COPYDATA)
        {
            return static_cast<LRESULT>(command::ExitCode::Busy);
        }
        return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    }
    switch (message)
    {
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        return 0;
    case WM_VSCROLL:
        OnScroll(wParam, lParam);
        return 0;
    case WM_TIMER:
        if (wParam == kTimer1Id)
        {
            form_->Timer1_Tick();
            return 0;
        }
        break;
    case WM_SIZE:
        form_->Form_Resize();
        return 0;
    case WM_MOUSEMOVE:
        form_->Form_MouseMove(MouseButtons(wParam), ShiftState(wParam), GET_X_LPARAM(lParam),
                              GET_Y_LPARAM(lParam));
        return 0;
    case WM_CLOSE:
        // The close box ends the whole program; it never only hides the window.
        form_->Form_Unload();
        return 0;
    case WM_QUERYENDSESSION:
        return form_->Form_QueryEndSession() ? TRUE : FALSE;
    case WM_ENDSESSION:
        form_->Form_EndSession(wParam != FALSE);
        return 0;
    case WM_ACTIVATE:
        OnActivate(wParam);
        return 0;
    case WM_SETFOCUS:
        OnSetFocus();
        return 0;
    case WM_DPICHANGED:
        return OnDpiChanged(wParam, lParam);
    case WM_COPYDATA:
        return OnCopyData(wParam, lParam);
    case WM_POWERBROADCAST:
        // Both resumes may come for one wake-up; the second finds nothing left to do.
        if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND)
        {
            form_->Form_Resume();
        }
        return TRUE;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        if (message == taskbarCreated_ && taskbarCreated_ != 0)
        {
            form_->Form_TaskbarCreated();
            return 0;
        }
        break;
    }
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT Form1Window::OnCopyData(WPARAM wParam, LPARAM lParam)
{
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    // Only whole characters are read; the payload's bound and form are the command line's own checks.
    if (!data || data->dwData != kCommandLineCopyData || !data->lpData || data->cbData % sizeof(wchar_t) != 0)
    {
        return static_cast<LRESULT>(command::ExitCode::UsageError);
    }
    const std::wstring_view payload(static_cast<const wchar_t*>(data->lpData),
                                    data->cbData / sizeof(wchar_t));
    std::wstring answerText;
    const command::ExitCode code = form_->Form_CopyData(payload, &answerText);
    if (!answerText.empty())
    {
        SendAnswerText(reinterpret_cast<HWND>(wParam), answerText);
    }
    return static_cast<LRESULT>(code);
}

void Form1Window::SendAnswerText(HWND asker, std::wstring_view text)
{
    // Only to the window a later copy of this program made for it: the text goes nowhere else.
    wchar_t className[std::size(kAnswerWindowClass) + 1] = {};
    if (!asker || !::GetClassNameW(asker, className, static_cast<int>(std::size(className))) ||
        std::wstring_view(className) != kAnswerWindowClass)
    {
        return;
    }
    COPYDATASTRUCT answer{};
    answer.dwData = kAnswerCopyData;
    answer.cbData = static_cast<DWORD>(std::min(text.size(), kMaxAnswerChars) * sizeof(wchar_t));
    answer.lpData = const_cast<wchar_t*>(text.data());
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(asker, WM_COPYDATA, reinterpret_cast<WPARAM>(hwnd_),
                          reinterpret_cast<LPARAM>(&answer), SMTO_ABORTIFHUNG, 2000, &ignored);
}

void Form1Window::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (lParam == 0)
    {
        if (code == 0)
        {
            OnMenuCommand(static_cast<MenuItem>(id));
        }
        return;
    }
    const auto control = static_cast<ControlId>(id);
    if (const int field = SaatIndex(control); field >= 0)
    {
        if (code == EN_CHANGE)
        {
            form_->Saat_Change(field);
        }
        else if (code == EN_SETFOCUS)
        {
            form_->Saat_GotFocus(field);
        }
        return;
    }
    if (code != BN_CLICKED)
    {
        return;
    }
    if (const int option = OptHizliIndex(control); option >= 0)
    {
        form_->OptHizli_Click(option);
    }
    else if (control == ControlId::Command2)
    {
        form_->Command2_Click();
    }
    else if (control == ControlId::BtnDorvik)
    {
        form_->BtnDorvik_Click();
    }
}

void Form1Window::OnMenuCommand(MenuItem item)
{
    for (const auto& [command, handler] : kMenuHandlers)
    {
        if (command == item)
        {
            (form_->*handler)();
            return;
        }
    }
}

void Form1Window::OnScroll(WPARAM wParam, LPARAM lParam)
{
    if (reinterpret_cast<HWND>(lParam) == scrollBar_.Hwnd() && scrollBar_.OnScroll(wParam))
    {
        form_->VScroll1_Change();
    }
}

void Form1Window::OnActivate(WPARAM wParam)
{
    // A plain window forgets its focused control when it is deactivated; a dialog remembers it.
    if (LOWORD(wParam) == WA_INACTIVE)
    {
        const HWND focus = ::GetFocus();
        if (focus && ::IsChild(hwnd_, focus))
        {
            focusBeforeDeactivation_ = focus;
        }
        return;
    }
    FocusAControl();
}

void Form1Window::FocusAControl()
{
    // The hidden window is made the foreground one for the tray menu. Keys pressed then must reach no
    // control the user cannot see, such as the quick choices of an armed closing: the window keeps the focus.
    if (!::IsWindowVisible(hwnd_))
    {
        ::SetFocus(hwnd_);
        return;
    }
    HWND target = focusBeforeDeactivation_;
    if (!target || !::IsWindow(target) || !::IsWindowVisible(target) || !::IsWindowEnabled(target))
    {
        target = nullptr;
        for (int i = 0; i < kOptHizliCount && !target; ++i)
        {
            if (Value(OptHizli(i)) && ::IsWindowEnabled(Control(ControlId::FrmKapama)))
            {
                target = Control(OptHizli(i));
            }
        }
    }
    if (!target)
    {
        target = ::GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    }
    if (target)
    {
        ::SetFocus(target);
    }
}

void Form1Window::OnSetFocus()
{
    if (::IsWindowVisible(hwnd_) && focusBeforeDeactivation_ && ::IsWindow(focusBeforeDeactivation_))
    {
        ::SetFocus(focusBeforeDeactivation_);
    }
}

LRESULT CALLBACK Form1Window::ClockFieldProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR index, DWORD_PTR self) noexcept
{
    auto* window = reinterpret_cast<Form1Window*>(self);
    switch (message)
    {
    case WM_CHAR:
        // The handler sees the character before the edit does, so a refused key never reaches the text.
        if (window->form_)
        {
            auto key = static_cast<wchar_t>(wParam);
            window->form_->Saat_KeyPress(static_cast<int>(index), key);
            if (key == 0)
            {
                return 0;
            }
            wParam = static_cast<WPARAM>(key);
        }
        break;
    case WM_GETDLGCODE:
        // Enter and Escape belong to the field, as any other key: the dialog manager would take them.
        if (const auto* pending = reinterpret_cast<const MSG*>(lParam);
            pending && pending->message == WM_KEYDOWN &&
            (pending->wParam == VK_RETURN || pending->wParam == VK_ESCAPE))
        {
            return DLGC_WANTMESSAGE | ::DefSubclassProc(edit, message, wParam, lParam);
        }
        break;
    case WM_NCDESTROY:
        ::RemoveWindowSubclass(edit, &ClockFieldProc, index);
        break;
    default:
        break;
    }
    return ::DefSubclassProc(edit, message, wParam, lParam);
}

LRESULT CALLBACK Form1Window::OptionProc(HWND option, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR index, DWORD_PTR self) noexcept
{
    auto* window = reinterpret_cast<Form1Window*>(self);
    switch (message)
    {
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        // The button handles its click first, as the click comes before the release handler.
        const LRESULT result = ::DefSubclassProc(option, message, wParam, lParam);
        if (window->form_)
        {
            const int button = message == WM_LBUTTONUP ? 1 : message == WM_RBUTTONUP ? 2 : 4;
            window->form_->OptHizli_MouseUp(static_cast<int>(index), button, ShiftState(wParam),
                                            GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        }
        return result;
    }
    case WM_NCDESTROY:
        ::RemoveWindowSubclass(option, &OptionProc, index);
        break;
    default:
        break;
    }
    return ::DefSubclassProc(option, message, wParam, lParam);
}

} // namespace dorvik::win32
