// Choosing and arming a closing through the main window, step by step as its user does: the kind in the
// "Kapama Türü" menu, the moment among the quick choices or typed into the clock fields, the watched
// application in the picker, the answer to the question of "&Dorvik !!!", and the way back from the tray;
// and what the program shows of a closing: its icon in colour and its status text.
#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/Bystander.h"
#include "support/DorvikApp.h"
#include "support/MessageBoxes.h"

namespace dorvik::e2e
{

using SteadyTime = std::chrono::steady_clock::time_point;

// The three kinds of closing, in the order of the "Kapama Türü" menu.
inline constexpr std::array<MenuItem, 3> kKindItems = {MenuItem::BilgisayariKapat, MenuItem::OturumuKapat,
                                                       MenuItem::BilgisayariYenidenBaslat};

// The caption of a menu item of "Kapama Türü" or "Kapama Seçenekleri", for failure messages.
std::string ItemName(MenuItem item);

// The kind items that carry a check mark, read from inside the program.
std::vector<MenuItem> MarkedKinds(const DorvikApp& app);

// Whether item carries a check mark.
bool IsMarked(const DorvikApp& app, MenuItem item);

// Chooses a kind in the menu and waits until the program has moved the check mark to it. Meant for a
// program with nothing armed: an armed one answers with a message box, which this leaves open.
bool ChooseKind(const DorvikApp& app, MenuItem kind);

// Empties a clock field (the user selects its text and presses Backspace) and types text into it key by key,
// waiting for each key to land. False when the field does not end up showing text.
bool TypeClockField(const Window& field, std::wstring_view text);

// Selects "Saati Belirle", types the time in two digits each into the three fields and closes the frame
// with "T&amam". Throws std::runtime_error when a step does not take effect.
void SetClockTime(const DorvikApp& app, int hour, int minute, int second);

// The window of the picker that "Programa Göre" opens, once it is shown (empty when none came).
Window WaitForPicker(const DorvikApp& app, Milliseconds timeout = kUiTimeout);

// Opens the picker through "Programa Göre", selects the entry of window and chooses it with
// "Uygulamayı &Seç"; returns once the picker has gone and "&Dorvik !!!" can be pressed. Throws
// std::runtime_error when a step does not take effect.
void ChooseApplication(const DorvikApp& app, const Window& window);

// The start of every application-mode road: another program's window, and the program with that window
// chosen in the picker. The program goes before the bystander.
struct WatchedApplication
{
    Bystander bystander;
    Window watched;
    DorvikApp app;
};

// Starts a bystander with one window titled title and dorvik.exe, and chooses that window with
// ChooseApplication. Throws std::runtime_error when a step does not take effect.
WatchedApplication StartWatching(std::wstring_view title);

// Clicks "&Dorvik !!!" and waits for the question.
std::optional<MessageBoxWindow> AskToArm(const DorvikApp& app);

// Answers the question with Yes and waits until the window has gone to the notification area. Returns the
// moment just before the answer was given. Throws std::runtime_error when the window stays.
SteadyTime ConfirmArming(const DorvikApp& app, const MessageBoxWindow& question);

// AskToArm and ConfirmArming in one. Throws std::runtime_error when no question comes.
SteadyTime Arm(const DorvikApp& app);

// A left click on the program's icon in the notification area, as the shell reports it; waits until the
// window is shown.
bool RestoreFromTray(const DorvikApp& app);

// The program's icons by colour, as resource ids of its file.
enum class ProgramIcon
{
    Green = 1,  // nothing armed
    Yellow = 2, // a closing is armed
    Red = 3,    // the closing is under way
};

// Whether the taskbar shows that icon of the program.
bool TaskbarShows(ProgramIcon icon);

// Whether the title bar of window, which must be in view, shows that icon of the program.
bool TitleBarShows(const Window& window, ProgramIcon icon);

// Whether each of the five quick choices is drawn on the screen (its circle and caption show dark pixels):
// a control that another window covers, or that was never painted, is not. The window must be in view.
bool QuickChoicesDrawn(const DorvikApp& app);

// The text of the status bar's panel, or nothing when the program no longer answers (it may have ended).
std::optional<std::wstring> TryStatusText(const DorvikApp& app);

// Whether the status bar announces the closing: "Sistem hazırlanıyor...".
bool ClosingHasBegun(const DorvikApp& app);

// The window of process pid that counts the last minute before a closing, while it is on the screen (it has
// the main window's title, and its sentence as a control); an empty Window while it is not.
Window ShownCountdownWindow(DWORD pid);

// Waits for that window to be shown; an empty Window when it is not within timeout.
Window WaitForCountdownWindow(DWORD pid, Milliseconds timeout);

// A number as the clock fields show it: two digits.
std::wstring TwoDigits(int value);

// A time of day, as the clock fields take it.
struct ClockTime
{
    int hour;
    int minute;
    int second;
};

// The local time of day this many seconds from now.
ClockTime ClockTimeIn(int seconds);

// How many seconds after from the clock shows to, counting across midnight.
int SecondsFrom(const ClockTime& from, const ClockTime& to);

// Types the time into the clock fields (SetClockTime) and arms (Arm). Throws std::runtime_error when a step
// does not take effect.
SteadyTime ArmAt(const DorvikApp& app, const ClockTime& time);

} // namespace dorvik::e2e
