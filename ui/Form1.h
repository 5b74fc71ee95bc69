// The main window's handlers and fields: start-up, the clock fields, the choices, arming, the countdown, the
// kind of closing, the notification area and the ways out.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "command/CommandLine.h"
#include "platform/IActivity.h"
#include "platform/IClock.h"
#include "platform/IDialogs.h"
#include "platform/IEventLog.h"
#include "platform/IEventPump.h"
#include "platform/IInstance.h"
#include "platform/IPower.h"
#include "platform/IRuntime.h"
#include "platform/ITray.h"
#include "platform/IWindowSystem.h"
#include "scheduler/ArmedClosing.h"
#include "scheduler/ArmedStatus.h"
#include "scheduler/Choices.h"
#include "scheduler/HedefZaman.h"
#include "tray/TrayPresence.h"
#include "ui/CountdownWarning.h"
#include "ui/ICountdownWarningView.h"
#include "ui/IForm1View.h"
#include "ui/IPickerHost.h"
#include "ui/Modulum.h"
#include "ui/TriggerWatch.h"

namespace dorvik
{

struct Form1Services
{
    platform::IClock& clock;
    platform::IDialogs& dialogs;
    platform::IInstance& instance;
    platform::IRuntime& runtime;
    platform::IWindowSystem& windows;
    platform::ITray& tray;
    platform::IPower& power;
    platform::IEventPump& events;
    IPickerHost& picker;
    ICountdownWarningView& countdown;
    platform::IActivity& activity;
    platform::IEventLog& eventLog;
};

// The fields of the window that the handlers share.
struct Form1Fields
{
    // The clock field that last had the focus; the scroll bar steps it.
    std::uint8_t SaatKutusu = 0;
    // The focused clock field's text before the last key it accepted.
    std::wstring OncekiMetin;
    // Whether the status-bar clock shows its colon on this tick.
    bool IkiNoktaGorunur = true;
};

// The last-minute window is the main window's own: its buttons act on the closing the main window armed.
class Form1 final : private ICountdownWarningHost
{
    static constexpr int kSaatiBelirle = static_cast<int>(scheduler::QuickChoice::SaatiBelirle);

public:
    Form1(IForm1View& view, Modulum& modulum, const Form1Services& services);

    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    const Form1Fields& Fields() const noexcept { return fields_; }

    // The armed closing: its target (HedefZaman), whether it is still to be computed (ZamanHesaplanacak), the
    // warnings owed.
    const scheduler::ArmedClosing& Closing() const noexcept { return closing_; }

    // The last-minute window's handlers, for the window that shows it.
    CountdownWarning& Countdown() noexcept { return countdown_; }

    void Form_Load();
    void Form_Resize();
    void Form_MouseMove(int button, int shift, double x, double y);
    // Unloading is never refused: the program ends here.
    [[noreturn]] void Form_Unload();
    // Windows asks whether the session may end; the program never holds it up.
    bool Form_QueryEndSession();
    void Form_EndSession(bool ending);
    // Explorer has restarted and forgotten every notification-area icon.
    void Form_TaskbarCreated();
    // The computer has woken from sleep or hibernation.
    void Form_Resume();
    // A command line to arm, cancel or put off, given to this copy at its start or handed on by a later one.
    // A refusal that the exit code alone cannot explain is said in refusal.
    command::ExitCode Form_CommandLine(const command::Request& request, std::wstring* refusal = nullptr);
    // A command line handed on by a later copy, as it arrived: checked before anything is done. A question
    // ("/durum") gets its answer in answerText as well as its exit code.
    command::ExitCode Form_CopyData(std::wstring_view payload, std::wstring* answerText = nullptr);
    // Started by an arming command line to be handed it: nothing shows meanwhile, and a copy that the arming
    // it is handed leaves with nothing armed ends, as does one that is handed none in time.
    void Form_AwaitCommandLine();
    // The armed closing in one line, as the icon's tip shows it under the caption; nothing when none is.
    std::optional<std::wstring> ArmedStatus();

    void Saat_KeyPress(int index, wchar_t& keyAscii);
    void Saat_Change(int index);
    void Saat_GotFocus(int index);
    void VScroll1_Change();
    void Command2_Click();

    void OptHizli_Click(int index);
    void OptHizli_MouseUp(int index, int button, int shift, double x, double y);
    void SaateGore_Click();
    void ProgramaGore_Click();
    void BtnDorvik_Click();
    void Timer1_Tick();

    void BilgisayariKapat_Click();
    void OturumuKapat_Click();
    void BilgisayariYenidenBaslat_Click();

    void mPopRestore_Click();
    [[noreturn]] void mPopExit_Click();
    [[noreturn]] void Cikis_Click();
    void ProgramHakkinda_Click();

private:
    class ClosingWindow;

    // The last-minute window's buttons.
    void CancelClosing() override;
    void PostponeClosing(std::chrono::minutes by) override;

    // Puts the armed closing off by this much real time from the moment it had ("/ertele").
    void PutOff(std::chrono::minutes by);
    void AfterPostponement(std::wstring_view from);
    void OpenClockFrame(int index);
    void CancelArmedClosing(bool repaint);
    // The kind menu's items, each with the kind of closing its check mark stands for.
    static constexpr std::pair<MenuItem, scheduler::ClosingKind> kKindItems[] = {
        {MenuItem::BilgisayariKapat, scheduler::ClosingKind::Shutdown},
        {MenuItem::OturumuKapat, scheduler::ClosingKind::LogOff},
        {MenuItem::BilgisayariYenidenBaslat, scheduler::ClosingKind::Restart},
    };

    void SelectKind(MenuItem item, std::wstring_view changedMessage);
    // Moves the kind menu's only check mark to this item.
    void MarkKind(MenuItem item);
    // Marks the item of a kind the menu has, or none for sleep and hibernation.
    void MarkKindInForce(scheduler::ClosingKind kind);
    // Gives the menu its mark back once no sleep or hibernation holds.
    void RestoreKindMark();
    // The kind item that carries the mark, if one does.
    std::optional<MenuItem> MarkedKindItem() const;
    // The kind the menu stands for.
    scheduler::ClosingKind KindFromMarks() const;
    // The kind to be carried out: a sleep or a hibernation armed from the command line, else the menu's.
    scheduler::ClosingKind KindInForce() const;
    command::ExitCode AnswerStatus(std::wstring* answerText);
    void SetFormIcon(platform::IconId icon);
    // Everything a confirmed arming does before the window goes to the notification area; from says where it
    // was armed, for the record.
    void BecomeArmed(std::wstring_view from);
    // Cancels without a message, as the last-minute window and the command line do.
    void Cancel(std::wstring_view from);
    // A record in the Application log of what befell the armed closing.
    void Record(platform::EventId id, std::wstring_view from);
    bool HideToTray();
    void RestoreFromTray();
    // Opens the tray menu at the mouse, or beside the icon for a menu asked for from the keyboard.
    void OpenTrayMenu(bool fromKeyboard);
    void Disarm();
    // The tip of the icon: the caption, and under it the armed closing with the time left.
    void UpdateTip();
    platform::MsgResult MsgBox(std::wstring_view text, std::wstring_view title, platform::MsgStyle style);
    void ShowInClockFields(const scheduler::TimeOfDay& time);
    platform::WindowId FirstListedWindowTitled(std::wstring_view title) const;
    scheduler::TimeOfDay TypedTime() const;
    // The moment the choices in force give: a command line's delay, the typed time of "Saati Belirle", or the
    // delay of the first selected quick choice ("İki Saat Sonra" when none of the first three is).
    scheduler::Moment ChosenMoment() const;
    void HedefZamaniHesapla(const scheduler::ClockReadings& now);
    void UpdateAwakeRequest();
    // Shows the warnings the armed closing says are due, and counts the last minute.
    void Warn(const scheduler::ClosingDue& due);
    // Never returns after a shut-down, a restart or a log-off; after a rehearsal or a sleep the program goes
    // on with nothing armed.
    void KapamayiUygula();
    void TellRehearsalOver(scheduler::ClosingKind kind);
    [[noreturn]] void EndProgram();
    // The three clocks read together; the wall clock's reading too, for the status bar.
    scheduler::ClockReadings ReadClocks(platform::LocalDateTime* wall = nullptr) const;

    IForm1View& view_;
    Modulum& modulum_;
    Form1Services services_;
    tray::TrayPresence tray_;
    CountdownWarning countdown_;

    Form1Fields fields_;
    scheduler::ArmedClosing closing_;
    // A process or the quiet that a closing armed from the command line waits for.
    TriggerWatch watch_;
    bool closingUnderWay_ = false;
    // The tray menu is open: a menu must not open over itself.
    bool trayMenuOpen_ = false;
    // The callback's last mouse message: the shell reports a right click twice, as the button's release and
    // then as a request for the context menu.
    int lastTrayMessage_ = 0;
    // The window is on the screen only because the shell refused the icon.
    bool shownForWantOfIcon_ = false;
    // The quick choice last chosen, by the user or a command line; a click on it again is only a look.
    int chosenOption_ = 0;
    // The kind menu's item marked before a sleep or a hibernation took the mark away.
    MenuItem kindMarkedBefore_ = MenuItem::BilgisayariKapat;
    // While the copy an arming command line started waits to be handed it.
    std::optional<std::chrono::milliseconds> awaitingUntil_;
    // That copy was handed its arming and is left with nothing armed.
    bool endWhenIdle_ = false;
    // What Windows is told keeps the computer awake; empty while it may sleep.
    std::wstring awakeReason_;
    // Message boxes and the picker open now: a command line is refused meanwhile.
    int modalDepth_ = 0;
    // Minutes a command line gave for application mode, counted once the watched window has gone, until the
    // user chooses the moment in the window.
    std::optional<std::chrono::minutes> commandDelay_;
};

} // namespace dorvik
