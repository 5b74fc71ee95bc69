#include "ui/Form1.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "resources/UiText.h"
#include "scheduler/ClockField.h"
#include "scheduler/Confirmation.h"
#include "scheduler/StatusClock.h"
#include "scheduler/TickDecision.h"
#include "tray/TrayRecord.h"
#include "ui/HelpText.h"

namespace dorvik
{

using platform::IconId;
using platform::MsgResult;
using platform::MsgStyle;
using platform::TrayMessage;
using scheduler::ClosingKind;

namespace
{

constexpr int kStatusPanelTwips = 1950;

// Counts a message box or the picker as open for as long as it is. A request from the command line is
// refused meanwhile, instead of changing what the box asks about: its modal loop runs every handler.
class ModalScope
{
public:
    explicit ModalScope(int& depth) noexcept
        : depth_(++depth)
    {
    }

    ~ModalScope() { --depth_; }

    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    int& depth_;
};

} // namespace

Form1::Form1(IForm1View& view, Modulum& modulum, const Form1Services& services)
    : view_(view)
    , modulum_(modulum)
    , services_(services)
    , tray_(services.tray, services.clock, services.events)
    , countdown_(services.countdown, *this)
    , watch_(services.activity)
{
}

scheduler::ClockReadings Form1::ReadClocks(platform::LocalDateTime* wall) const
{
    const platform::LocalDateTime t = services_.clock.Now();
    if (wall)
    {
        *wall = t;
    }
    const scheduler::LocalSeconds seconds =
        scheduler::MakeLocalSeconds(t.year, t.month, t.day, t.hour, t.minute, t.second);
    return {.wall = scheduler::LocalMilliseconds(seconds) + std::chrono::milliseconds(t.millisecond),
            .elapsed = services_.clock.Monotonic(),
            .awake = services_.clock.Awake()};
}

void Form1::Form_Load()
{
    if (services_.instance.PreviousInstance())
    {
        MsgBox(text::kAlreadyRunning, view_.Caption(), MsgStyle::Exclamation);
        Form_Unload();
    }

    modulum_.Pencere = std::make_unique<winlib::ClsApplication>(services_.windows);
    modulum_.Pencereler = std::make_unique<winlib::ClsApplications>(services_.windows, *modulum_.Pencere);

    closing_.Reset();
    modulum_.SecilenProgramId = platform::WindowId::None;
    modulum_.KapamaAktif = false;

    // One reading serves the fields and the status bar, so they never disagree across a second's turn.
    const platform::LocalDateTime t = services_.clock.Now();
    view_.SetText(Saat(0), scheduler::FieldText(t.hour));
    view_.SetText(Saat(1), scheduler::FieldText(t.minute));
    view_.SetText(Saat(2), scheduler::FieldText(t.second));

    fields_.IkiNoktaGorunur = true;

    for (int i = 0; i < kSaatCount; ++i)
    {
        const std::wstring current = view_.Text(Saat(i));
        if (current.size() == 1)
        {
            view_.SetText(Saat(i), scheduler::PadToTwoDigits(current));
        }
    }

    view_.SetIcon(IconId::Dorvik);

    view_.SetStatusPanelWidth(kStatusPanelTwips);
    view_.SetStatusText(
        scheduler::StatusClockText(services_.clock.LongDate(t), t.hour, t.minute, fields_.IkiNoktaGorunur));

    modulum_.TepsiKaydi = tray::MakeTepsiKaydi(view_.Handle(), view_.Icon(), view_.Caption());

    view_.SetScrollMin(scheduler::FieldLimit(scheduler::kHourField));

    // A program without its clock would never close anything; saying so beats waiting for nothing.
    if (!view_.SetTimerEnabled(true))
    {
        MsgBox(text::kTimerFailed, view_.Caption(), MsgStyle::Exclamation);
        EndProgram();
    }
}

void Form1::Form_Unload()
{
    modulum_.Pencereler.reset();
    modulum_.Pencere.reset();
    EndProgram();
}

bool Form1::Form_QueryEndSession()
{
    return true;
}

void Form1::OpenClockFrame(int index)
{
    // The user chooses another moment: a delay given on the command line no longer holds. A click on the
    // choice already made is only a look, and changes nothing armed.
    if (index != chosenOption_)
    {
        chosenOption_ = index;
        commandDelay_.reset();
    }
    if (index == kSaatiBelirle)
    {
        view_.SetVisible(ControlId::SaatSec, true);
        view_.SetEnabled(ControlId::FrmKapama, false);
    }
}

void Form1::OptHizli_Click(int index)
{
    OpenClockFrame(index);
}

void Form1::OptHizli_MouseUp(int index, int /*button*/, int /*shift*/, double /*x*/, double /*y*/)
{
    OpenClockFrame(index);
}

void Form1::SetFormIcon(IconId icon)
{
    view_.SetIcon(icon);
    modulum_.TepsiKaydi.hIcon = view_.Icon();
}

void Form1::CancelArmedClosing(bool repaint)
{
    SetFormIcon(IconId::Dorvik);
    if (repaint)
    {
        view_.Refresh();
    }
    // The flags change only once the message is dismissed: a target reached meanwhile still closes.
    MsgBox(text::kCancelled, view_.Caption(), MsgStyle::Exclamation);
    // Only a closing still armed, and not yet under way, is cancelled for the record: one carried out or
    // cancelled elsewhere while the box was open is not.
    if (modulum_.KapamaAktif && !closingUnderWay_)
    {
        Record(platform::EventId::Cancelled, text::kEventFromWindow);
    }
    Disarm();
}

void Form1::Disarm()
{
    modulum_.KapamaAktif = false;
    closing_.Reset();
    watch_.Stop();
    RestoreKindMark();
    countdown_.Close();
    commandDelay_.reset();
    UpdateAwakeRequest();
    UpdateTip();
}

void Form1::SaateGore_Click()
{
    if (view_.Checked(MenuItem::SaateGore))
    {
        view_.SetChecked(MenuItem::ProgramaGore, false);
    }
    else
    {
        view_.SetChecked(MenuItem::SaateGore, true);
        view_.SetChecked(MenuItem::ProgramaGore, false);
        if (modulum_.KapamaAktif)
        {
            CancelArmedClosing(false);
        }
    }
    if (!view_.Enabled(ControlId::BtnDorvik))
    {
        view_.SetEnabled(ControlId::BtnDorvik, true);
    }
}

void Form1::ProgramaGore_Click()
{
    if (view_.Checked(MenuItem::ProgramaGore))
    {
        view_.SetChecked(MenuItem::SaateGore, false);
        if (platform::IsNone(modulum_.SecilenProgramId))
        {
            view_.SetEnabled(ControlId::BtnDorvik, false);
        }
    }
    else
    {
        view_.SetChecked(MenuItem::SaateGore, false);
        view_.SetChecked(MenuItem::ProgramaGore, true);
        if (modulum_.KapamaAktif)
        {
            CancelArmedClosing(true);
        }
        modulum_.SecilenProgramId = platform::WindowId::None;
        view_.SetEnabled(ControlId::BtnDorvik, false);
    }
    bool chosen = false;
    {
        const ModalScope open(modalDepth_);
        chosen = services_.picker.ShowUygulamaModal();
    }
    if (chosen)
    {
        // The closing follows the window chosen now, whatever it followed before.
        watch_.Stop();
        closing_.WaitAgain();
        UpdateAwakeRequest();
    }
}

void Form1::BtnDorvik_Click()
{
    const auto mode = view_.Checked(MenuItem::SaateGore) ? scheduler::ScheduleMode::Clock
                                                         : scheduler::ScheduleMode::Application;
    const std::wstring question = scheduler::ConfirmationMessage(KindFromMarks(), mode);
    if (MsgBox(question, text::kConfirmTitle, MsgStyle::Question) != MsgResult::Yes)
    {
        return;
    }

    commandDelay_.reset();
    // Every confirmed arming counts its delay from the moment its own watched window goes; a target left over
    // from an earlier arming would fire at once.
    const scheduler::ClockReadings now = ReadClocks();
    closing_.Arm(false, std::nullopt, now);
    // Armed from the window, the closing is of the kind the menu shows, and follows the window's choices.
    watch_.Stop();
    RestoreKindMark();
    if (view_.Checked(MenuItem::SaateGore))
    {
        HedefZamaniHesapla(now);
    }
    BecomeArmed(text::kEventFromWindow);
    HideToTray();
}

void Form1::BecomeArmed(std::wstring_view from)
{
    modulum_.KapamaAktif = true;
    // The copy an arming command line started has what it waited for, whoever armed it.
    awaitingUntil_.reset();
    endWhenIdle_ = false;
    UpdateAwakeRequest();
    UpdateTip();
    SetFormIcon(IconId::DorvikSet);
    Record(platform::EventId::Armed, from);
}

void Form1::Record(platform::EventId id, std::wstring_view from)
{
    platform::EventRecord record{.id = id, .level = platform::EventLevel::Information, .inserts = {}};
    record.inserts.push_back(closing_.KindWord(KindInForce()));
    if (id != platform::EventId::Cancelled)
    {
        record.inserts.push_back(closing_.MomentPhrase(ChosenMoment(), watch_.Describe()));
    }
    record.inserts.emplace_back(from);
    services_.eventLog.Write(record);
}

void Form1::HedefZamaniHesapla(const scheduler::ClockReadings& now)
{
    closing_.CountFromNow(ChosenMoment(), now);
    // Minutes given on the command line count from now, as a delay; the clock fields show when.
    if (commandDelay_)
    {
        ShowInClockFields(closing_.HedefZaman().time);
    }
    // A count for the moment before would count to the wrong moment; the new one comes when it is due.
    countdown_.Close();
    UpdateAwakeRequest();
    UpdateTip();
}

scheduler::TimeOfDay Form1::TypedTime() const
{
    // An empty field, or one that holds no number, counts as 0.
    scheduler::TimeOfDay typed{};
    for (int i = 0; i < kSaatCount; ++i)
    {
        const int value = scheduler::FieldNumber(view_.Text(Saat(i))).value_or(0);
        typed[static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(std::clamp(value, 0, scheduler::FieldLimit(i)));
    }
    return typed;
}

scheduler::Moment Form1::ChosenMoment() const
{
    if (commandDelay_)
    {
        return {.delay = *commandDelay_, .at = std::nullopt};
    }
    if (view_.Value(OptHizli(kSaatiBelirle)))
    {
        return {.delay = {}, .at = TypedTime()};
    }
    auto choice = scheduler::QuickChoice::IkiSaatSonra;
    for (const auto candidate : {scheduler::QuickChoice::Hemen, scheduler::QuickChoice::YarimSaatSonra,
                                 scheduler::QuickChoice::BirSaatSonra})
    {
        if (view_.Value(OptHizli(static_cast<int>(candidate))))
        {
            choice = candidate;
            break;
        }
    }
    return {.delay = scheduler::QuickOffset(choice), .at = std::nullopt};
}

void Form1::Timer1_Tick()
{
    // A tick already queued, or posted by another program, during the closing's wait must not start the
    // closing a second time; the status text of the closing stays as it is.
    if (closingUnderWay_)
    {
        return;
    }
    // The copy an arming command line started, left with nothing armed, has nothing to wait for.
    if (endWhenIdle_ || (awaitingUntil_ && services_.clock.Monotonic() >= *awaitingUntil_))
    {
        EndProgram();
    }
    platform::LocalDateTime t;
    const scheduler::ClockReadings now = ReadClocks(&t);
    closing_.Observe(now);
    // The wall clock gone back, or moved, names the moment anew; Windows' list of what keeps the computer
    // awake names it too.
    UpdateAwakeRequest();

    // WM_TIMER is coalesced and may come late, so the status text is built from the clock, never counted.
    fields_.IkiNoktaGorunur = !fields_.IkiNoktaGorunur;
    view_.SetStatusText(
        scheduler::StatusClockText(services_.clock.LongDate(t), t.hour, t.minute, fields_.IkiNoktaGorunur));

    const scheduler::TickFacts facts{.armed = modulum_.KapamaAktif,
                                     .applicationMode = view_.Checked(MenuItem::ProgramaGore),
                                     .windowChosen = !platform::IsNone(modulum_.SecilenProgramId),
                                     .targetPending = closing_.ZamanHesaplanacak(),
                                     .followsEvent = watch_.Active()};
    const scheduler::TickDecision decision = scheduler::DecideTick(facts, [&] {
        if (watch_.Active())
        {
            return watch_.StillWaiting(now.elapsed);
        }
        return modulum_.Pencereler && modulum_.Pencereler->ReturnProcessInfo(modulum_.SecilenProgramId);
    });
    if (decision.computeTarget)
    {
        HedefZamaniHesapla(now);
    }
    if (!decision.compare)
    {
        UpdateTip();
        return;
    }
    const scheduler::ClosingDue due = closing_.Due(now);
    if (due.close)
    {
        countdown_.Close();
        KapamayiUygula();
        return;
    }
    if (due.putOff)
    {
        // The count that was shown counted to the moment before.
        AfterPostponement(text::kEventAfterStandingStill);
    }
    UpdateTip();
    Warn(due);
}

void Form1::Cikis_Click()
{
    EndProgram();
}

void Form1::ProgramHakkinda_Click()
{
    MsgBox(HelpText(), view_.Caption(), MsgStyle::Information);
}

platform::MsgResult Form1::MsgBox(std::wstring_view text, std::wstring_view title, MsgStyle style)
{
    const ModalScope open(modalDepth_);

    return services_.dialogs.MsgBox(text, title, style);
}

void Form1::EndProgram()
{
    // Nothing will close the computer now: for whoever reads the log, that is a cancel.
    if (modulum_.KapamaAktif)
    {
        Record(platform::EventId::Cancelled, text::kEventFromExit);
    }
    // An icon left behind would stay in the notification area until the user moved the mouse over it.
    if (tray_.IconPresent())
    {
        tray_.Notify(TrayMessage::Delete, modulum_.TepsiKaydi);
    }
    platform::EndNow(services_.runtime);
}

} // namespace dorvik
