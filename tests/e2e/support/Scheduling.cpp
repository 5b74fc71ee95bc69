// Choosing and arming a closing through the main window's own controls and menus.
#include "support/Scheduling.h"

#include <stdexcept>

#include "resources/UiText.h"
#include "support/Controls.h"
#include "support/Icons.h"
#include "support/Input.h"
#include "support/NotificationArea.h"
#include "support/Screen.h"
#include "support/Text.h"

namespace dorvik::e2e
{

namespace
{

void Require(bool done, const std::string& step)
{
    if (!done)
    {
        throw std::runtime_error(step);
    }
}

} // namespace

std::wstring TwoDigits(int value)
{
    return std::wstring(value < 10 ? L"0" : L"") + std::to_wstring(value);
}

ClockTime ClockTimeIn(int seconds)
{
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    const int secondOfDay = (now.wHour * 3600 + now.wMinute * 60 + now.wSecond + seconds) % 86400;
    return {secondOfDay / 3600, secondOfDay / 60 % 60, secondOfDay % 60};
}

int SecondsFrom(const ClockTime& from, const ClockTime& to)
{
    constexpr int kDay = 86400;
    const int difference =
        (to.hour - from.hour) * 3600 + (to.minute - from.minute) * 60 + (to.second - from.second);
    return (difference + kDay) % kDay;
}

bool ClosingHasBegun(const DorvikApp& app)
{
    return TryStatusText(app) == text::kSistemHazirlaniyor;
}

Window ShownCountdownWindow(DWORD pid)
{
    for (const Window& window : VisibleTopLevelWindows(pid))
    {
        if (window.Descendant(static_cast<int>(ControlId::LblGeriSayim)))
        {
            return window;
        }
    }
    return {};
}

Window WaitForCountdownWindow(DWORD pid, Milliseconds timeout)
{
    Window countdown;
    WaitUntil([&] { return static_cast<bool>(countdown = ShownCountdownWindow(pid)); }, timeout);
    return countdown;
}

std::string ItemName(MenuItem item)
{
    switch (item)
    {
    case MenuItem::BilgisayariKapat:
        return Utf8(text::kMenuBilgisayariKapat);
    case MenuItem::OturumuKapat:
        return Utf8(text::kMenuOturumuKapat);
    case MenuItem::BilgisayariYenidenBaslat:
        return Utf8(text::kMenuBilgisayariYenidenBaslat);
    case MenuItem::SaateGore:
        return Utf8(text::kMenuSaateGore);
    case MenuItem::ProgramaGore:
        return Utf8(text::kMenuProgramaGore);
    default:
        break;
    }
    return "menu item " + std::to_string(static_cast<int>(item));
}

std::vector<MenuItem> MarkedKinds(const DorvikApp& app)
{
    const std::vector<MenuItemState> items = app.MenuBar();
    std::vector<MenuItem> marked;
    for (const MenuItem kind : kKindItems)
    {
        const auto item = FindMenuItem(items, static_cast<int>(kind));
        if (item && item->checked)
        {
            marked.push_back(kind);
        }
    }
    return marked;
}

bool IsMarked(const DorvikApp& app, MenuItem item)
{
    const auto state = FindMenuItem(app.MenuBar(), static_cast<int>(item));
    return state && state->checked;
}

bool ChooseKind(const DorvikApp& app, MenuItem kind)
{
    app.RunMenuCommand(kind);
    return WaitUntil([&] { return MarkedKinds(app) == std::vector<MenuItem>{kind}; });
}

bool TypeClockField(const Window& field, std::wstring_view text)
{
    if (!FocusControl(field))
    {
        return false;
    }
    // Backspace passes the fields' key filter, so this empties the field without a refused key.
    field.Send(EM_SETSEL, 0, -1);
    PressKey(field, VK_BACK);
    if (!WaitUntil([&] { return field.Text().empty(); }))
    {
        return false;
    }
    std::wstring typed;
    for (const wchar_t character : text)
    {
        typed += character;
        TypeKeys(field, std::wstring_view(&character, 1));
        if (!WaitUntil([&] { return field.Text() == typed; }))
        {
            return false;
        }
    }
    return true;
}

void SetClockTime(const DorvikApp& app, int hour, int minute, int second)
{
    const Window frame = app.Control(ControlId::SaatSec);
    Click(app.Control(OptHizli(4)));
    Require(WaitUntil([&] { return frame.IsVisible(); }), "\"Saati Belirle\" did not open the clock fields");
    // The frame shows while the click is still being handled: the program goes on to move the focus out of
    // the quick choices it disables. A message sent now is handled only once that is done, so the focus this
    // driver gives a clock field is the last word.
    app.Main().Send(WM_NULL);
    const int parts[kSaatCount] = {hour, minute, second};
    for (int index = 0; index < kSaatCount; ++index)
    {
        Require(TypeClockField(app.Control(Saat(index)), TwoDigits(parts[index])),
                "clock field " + std::to_string(index) + " does not show the typed time");
    }
    Click(app.Control(ControlId::Command2));
    Require(WaitUntil([&] { return !frame.IsVisible(); }), "\"T&amam\" did not close the clock fields");
}

Window WaitForPicker(const DorvikApp& app, Milliseconds timeout)
{
    Window picker;
    WaitUntil(
        [&] {
            for (const Window& window : VisibleTopLevelWindows(app.Process().Pid()))
            {
                if (window.HasClass(L"DorvikPickerWindow"))
                {
                    picker = window;
                    return true;
                }
            }
            return false;
        },
        timeout);
    return picker;
}

void ChooseApplication(const DorvikApp& app, const Window& window)
{
    app.RunMenuCommand(MenuItem::ProgramaGore);
    const Window picker = WaitForPicker(app);
    Require(static_cast<bool>(picker), "\"Programa Göre\" opened no picker");
    const Window combo = picker.Descendant(static_cast<int>(ControlId::ComboUygulama));
    const Window choose = picker.Descendant(static_cast<int>(ControlId::BtnUygulamaSec));
    Require(combo && choose, "the picker lacks its list or its choose button");

    int index = -1;
    WaitUntil([&] {
        const std::vector<ComboItem> items = ComboItems(combo);
        for (size_t i = 0; i < items.size(); ++i)
        {
            if (items[i].data == reinterpret_cast<LRESULT>(window.Handle()))
            {
                index = static_cast<int>(i);
            }
        }
        return index >= 0;
    });
    Require(index >= 0, "the picker does not list the window \"" + Utf8(window.Text()) + "\"");
    SelectComboItem(combo, index);
    Require(WaitUntil([&] { return choose.IsEnabled(); }), "selecting the window did not enable the choice");
    Click(choose);
    Require(WaitUntil([&] { return !picker.IsVisible(); }), "the picker stayed after the choice");
    Require(WaitUntil([&] { return app.Control(ControlId::BtnDorvik).IsEnabled(); }),
            "\"&Dorvik !!!\" stayed disabled after the choice");
}

WatchedApplication StartWatching(std::wstring_view title)
{
    Bystander bystander = Bystander::Start(std::vector<BystanderWindow>{{std::wstring(title)}});
    const Window watched = bystander.FindWindow(title);
    Require(static_cast<bool>(watched), "the bystander shows no window \"" + Utf8(title) + "\"");
    WatchedApplication started{std::move(bystander), watched, DorvikApp::Start()};
    ChooseApplication(started.app, watched);
    return started;
}

std::optional<MessageBoxWindow> AskToArm(const DorvikApp& app)
{
    Click(app.Control(ControlId::BtnDorvik));
    return WaitForMessageBox(app.Process().Pid());
}

SteadyTime ConfirmArming(const DorvikApp& app, const MessageBoxWindow& question)
{
    const SteadyTime answered = std::chrono::steady_clock::now();
    question.Answer(IDYES);
    Require(WaitUntil([&] { return !app.Main().IsVisible(); }), "the window stayed on the screen after Yes");
    return answered;
}

SteadyTime Arm(const DorvikApp& app)
{
    const auto question = AskToArm(app);
    Require(question.has_value(), "\"&Dorvik !!!\" asked nothing");
    return ConfirmArming(app, *question);
}

SteadyTime ArmAt(const DorvikApp& app, const ClockTime& time)
{
    SetClockTime(app, time.hour, time.minute, time.second);
    return Arm(app);
}

bool RestoreFromTray(const DorvikApp& app)
{
    SendTrayCallback(app.Main(), WM_LBUTTONUP);
    return WaitUntil([&] { return app.Main().IsVisible(); });
}

bool TaskbarShows(ProgramIcon icon)
{
    const win32::UniqueHicon picture = LoadProgramIcon(static_cast<int>(icon));
    return FindNotificationIcon(picture.get()).has_value();
}

bool TitleBarShows(const Window& window, ProgramIcon icon)
{
    const win32::UniqueHicon picture = LoadProgramIcon(static_cast<int>(icon));
    const int width = ::GetSystemMetrics(SM_CXSMICON);
    const int height = ::GetSystemMetrics(SM_CYSMICON);
    // Only the pixels the icon covers fully tell it apart: drawn on black and on white they agree.
    const Image onBlack = RenderIcon(picture.get(), width, height, Rgb(0, 0, 0));
    const Image onWhite = RenderIcon(picture.get(), width, height, Rgb(255, 255, 255));
    const RECT outer = window.WindowRect();
    const Image shown = CaptureScreen({outer.left, outer.top, outer.right, window.ClientRectOnScreen().top});
    for (int top = 0; top + height <= shown.height; ++top)
    {
        for (int left = 0; left + width <= shown.width; ++left)
        {
            bool matches = true;
            for (int y = 0; y < height && matches; ++y)
            {
                for (int x = 0; x < width && matches; ++x)
                {
                    const uint32_t pixel = onBlack.At(x, y);
                    matches = pixel != onWhite.At(x, y) || shown.At(left + x, top + y) == pixel;
                }
            }
            if (matches)
            {
                return true;
            }
        }
    }
    return false;
}

std::optional<std::wstring> TryStatusText(const DorvikApp& app)
{
    // WM_GETTEXT answers with the first panel and, unlike SB_GETTEXTW, needs no buffer inside the program,
    // whose upkeep would cost the program processor time while it is being measured.
    const Window statusBar = app.FindControl(ControlId::StatusBar1);
    return statusBar ? statusBar.TryText() : std::nullopt;
}

bool QuickChoicesDrawn(const DorvikApp& app)
{
    for (int index = 0; index < kOptHizliCount; ++index)
    {
        if (DarkPixels(CaptureSettled(app.Control(OptHizli(index)).WindowRect())) == 0)
        {
            return false;
        }
    }
    return true;
}

} // namespace dorvik::e2e
