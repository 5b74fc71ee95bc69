#include "ui/Form1.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "power/ClosingSequence.h"
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
constexpr int kSaatiBelirle = static_cast<int>(scheduler::QuickChoice::SaatiBelirle);

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

// The closing sequence works on the window through this narrow view of it.
class Form1::ClosingWindow final : public power::IClosingWindow
{
public:
    explicit ClosingWindow(Form1& form) noexcept
        : form_(form)
    {
    }

    void StopTimer() override { form_.view_.SetTimerEnabled(false); }

    void ShowStatus(std::wstring_view text) override { form_.view_.SetStatusText(text); }

    void ShowIcon(IconId icon) override { form_.view_.SetIcon(icon); }

    ClosingKind KindToCarryOut() const override { return form_.KindFromMarks(); }

private:
    Form1& form_;
};

Form1::Form1(IForm1View& view, Modulum& modulum, const Form1Services& services)
    : view_(view)
    , modulum_(modulum)
    , services_(services)
    , tray_(services.tray, services.clock, services.events)
{
}

scheduler::LocalSeconds Form1::Now(platform::LocalDateTime& reading) const
{
    reading = services_.clock.Now();
    return scheduler::MakeLocalSeconds(reading.year, reading.month, reading.day, reading.hour, reading.minute,
                                       reading.second);
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

    fields_.ZamanHesaplanacak = true;
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

bool Form1::HideToTray()
{
    // The window goes only once its icon is there: without one, the program would be out of reach.
    if (!tray_.AddPatiently(modulum_.TepsiKaydi))
    {
        return false;
    }
    view_.Hide();
    return true;
}

void Form1::Form_Resize()
{
    if (view_.State() == WindowState::Minimized)
    {
        HideToTray();
    }
}

void Form1::Form_MouseMove(int /*button*/, int /*shift*/, double x, double /*y*/)
{
    // The shell's callback arrives as a mouse move, so does every real move over the shown window, and a
    // window wider than 514 pixels (325 % scaling) has real moves at the callback's numbers.
    if (!tray_.IconPresent())
    {
        return;
    }
    const int mouseMessage =
        tray::DecodeCallbackX(x, view_.CoordinateUnit() == ScaleMode::Twip, view_.TwipsPerPixelX());
    if (mouseMessage == tray::kLeftButtonUp)
    {
        tray_.Notify(TrayMessage::Delete, modulum_.TepsiKaydi);
        view_.SetState(WindowState::Normal);
        view_.SetForeground();
        view_.Show();
    }
    else if (mouseMessage == tray::kBalloonClick)
    {
        // The warning says "click here to stop it": the window comes back where the closing can be cancelled.
        mPopRestore_Click();
    }
    else if (mouseMessage == tray::kRightButtonUp)
    {
        // The window must be in the foreground, or the menu stays open when the user clicks elsewhere.
        view_.SetForeground();
        view_.PopupMenu(MenuItem::mPopupSys);
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

void Form1::Form_EndSession(bool ending)
{
    if (ending && tray_.IconPresent())
    {
        tray_.Notify(TrayMessage::Delete, modulum_.TepsiKaydi);
    }
}

void Form1::Form_TaskbarCreated()
{
    if (!tray_.IconPresent())
    {
        return;
    }
    tray_.ShellRestarted();
    if (!tray_.AddPatiently(modulum_.TepsiKaydi))
    {
        // The hidden window would have no way back: it comes back itself.
        view_.SetState(WindowState::Normal);
        view_.Show();
    }
}

void Form1::Saat_KeyPress(int index, wchar_t& keyAscii)
{
    commandDelay_.reset();
    if (scheduler::IsAcceptedKey(keyAscii))
    {
        fields_.OncekiMetin = view_.Text(Saat(index));
        return;
    }
    view_.SetText(Saat(index), L"");
    keyAscii = 0;
}

void Form1::Saat_Change(int index)
{
    const std::wstring current = view_.Text(Saat(index));
    if (current.empty())
    {
        return;
    }
    const int limit = scheduler::FieldLimit(index);
    if (const auto value = scheduler::FieldNumber(current); value && *value <= limit)
    {
        return;
    }
    // Back to the text before the last key. That text may belong to another field, or have come from a paste,
    // so it is taken only when it fits this field; otherwise the field is emptied. Either way the assignment
    // below raises this handler once more and stops there.
    const auto previous = scheduler::FieldNumber(fields_.OncekiMetin);
    const bool previousFits = previous && *previous <= limit;
    view_.SetText(Saat(index), previousFits ? fields_.OncekiMetin : std::wstring());
}

void Form1::Saat_GotFocus(int index)
{
    fields_.SaatKutusu = static_cast<std::uint8_t>(index);
    const int limit = scheduler::FieldLimit(index);
    view_.SetScrollMin(limit);
    const int value = scheduler::FieldNumber(view_.Text(Saat(index))).value_or(0);
    view_.SetScrollValue(std::clamp(value, 0, limit));
}

void Form1::VScroll1_Change()
{
    commandDelay_.reset();
    view_.SetText(Saat(fields_.SaatKutusu), scheduler::FieldText(view_.ScrollValue()));
}

void Form1::Command2_Click()
{
    view_.SetVisible(ControlId::SaatSec, false);
    view_.SetEnabled(ControlId::FrmKapama, true);
}

void Form1::OpenClockFrame(int index)
{
    // The user chooses the moment: a delay given on the command line no longer holds.
    commandDelay_.reset();
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
    Disarm();
}

void Form1::Disarm()
{
    modulum_.KapamaAktif = false;
    fields_.ZamanHesaplanacak = true;
    warningOwed_ = false;
    commandDelay_.reset();
    UpdateAwakeRequest();
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
        // A newly chosen window starts a new count: a target left from the window watched before would
        // fire the moment the new one goes.
        fields_.ZamanHesaplanacak = true;
    }
}

ClosingKind Form1::KindFromMarks() const
{
    for (const auto& [item, kind] : kKindItems)
    {
        if (view_.Checked(item))
        {
            return kind;
        }
    }
    return ClosingKind::LogOff;
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
    if (view_.Checked(MenuItem::SaateGore))
    {
        platform::LocalDateTime reading;
        HedefZamaniHesapla(Now(reading), services_.clock.Monotonic());
        fields_.ZamanHesaplanacak = false;
    }
    else
    {
        // Every confirmed arming counts its delay from the moment its own watched window goes; a target left
        // over from an earlier arming would fire at once.
        fields_.ZamanHesaplanacak = true;
    }
    modulum_.KapamaAktif = true;
    UpdateAwakeRequest();
    SetFormIcon(IconId::DorvikSet);
    HideToTray();
}

void Form1::HedefZamaniHesapla(scheduler::LocalSeconds now, scheduler::Elapsed elapsed)
{
    scheduler::Target target;
    if (commandDelay_)
    {
        // Minutes given on the command line count from now, as a delay; the clock fields show when.
        target = scheduler::TargetAfter(now, elapsed, *commandDelay_);
        ShowInClockFields(target.time);
    }
    else if (view_.Value(OptHizli(kSaatiBelirle)))
    {
        // An empty field, or one that holds no number, counts as 0.
        scheduler::TimeOfDay typed{};
        for (int i = 0; i < kSaatCount; ++i)
        {
            const int value = scheduler::FieldNumber(view_.Text(Saat(i))).value_or(0);
            typed[static_cast<std::size_t>(i)] =
                static_cast<std::uint8_t>(std::clamp(value, 0, scheduler::FieldLimit(i)));
        }
        target = scheduler::TargetAt(now, typed);
    }
    else
    {
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
        target = scheduler::TargetAfter(now, elapsed, scheduler::QuickOffset(choice));
    }
    SetTarget(target, now, elapsed);
}

void Form1::Timer1_Tick()
{
    // A tick already queued, or posted by another program, during the closing's wait must not start the
    // closing a second time; the status text of the closing stays as it is.
    if (closingUnderWay_)
    {
        return;
    }
    platform::LocalDateTime t;
    const scheduler::LocalSeconds now = Now(t);
    const scheduler::Elapsed elapsed = services_.clock.Monotonic();
    const bool slept = NoteReadings(now, elapsed);

    // WM_TIMER is coalesced and may come late, so the status text is built from the clock, never counted.
    fields_.IkiNoktaGorunur = !fields_.IkiNoktaGorunur;
    view_.SetStatusText(
        scheduler::StatusClockText(services_.clock.LongDate(t), t.hour, t.minute, fields_.IkiNoktaGorunur));

    const scheduler::TickFacts facts{.armed = modulum_.KapamaAktif,
                                     .applicationMode = view_.Checked(MenuItem::ProgramaGore),
                                     .windowChosen = !platform::IsNone(modulum_.SecilenProgramId),
                                     .targetPending = fields_.ZamanHesaplanacak};
    const scheduler::TickDecision decision = scheduler::DecideTick(facts, [this] {
        return modulum_.Pencereler && modulum_.Pencereler->ReturnProcessInfo(modulum_.SecilenProgramId);
    });
    if (decision.computeTarget)
    {
        HedefZamaniHesapla(now, elapsed);
        fields_.ZamanHesaplanacak = false;
        UpdateAwakeRequest();
    }
    if (!decision.compare)
    {
        return;
    }
    if (scheduler::TargetReached(fields_.HedefZaman, now, elapsed))
    {
        // A target that passed while the computer slept does not close it in the face of whoever woke it:
        // they get a minute and the warning. A target missed for any other reason closes now.
        if (slept)
        {
            PutOffAfterSleep(now, elapsed);
            return;
        }
        KapamayiUygula();
    }
    WarnIfDue(now, elapsed);
}

void Form1::SelectKind(MenuItem item, std::wstring_view changedMessage)
{
    if (view_.Checked(item))
    {
        return;
    }
    MarkKind(item);
    if (modulum_.KapamaAktif)
    {
        MsgBox(changedMessage, view_.Caption(), MsgStyle::Information);
    }
}

void Form1::MarkKind(MenuItem item)
{
    for (const auto& [kindItem, kind] : kKindItems)
    {
        view_.SetChecked(kindItem, kindItem == item);
    }
}

void Form1::BilgisayariKapat_Click()
{
    SelectKind(MenuItem::BilgisayariKapat, text::kKindChangedBilgisayariKapat);
}

void Form1::OturumuKapat_Click()
{
    SelectKind(MenuItem::OturumuKapat, text::kKindChangedOturumuKapat);
}

void Form1::BilgisayariYenidenBaslat_Click()
{
    SelectKind(MenuItem::BilgisayariYenidenBaslat, text::kKindChangedBilgisayariYenidenBaslat);
}

void Form1::mPopRestore_Click()
{
    view_.SetState(WindowState::Normal);
    view_.SetForeground();
    view_.Show();
    tray_.Notify(TrayMessage::Delete, modulum_.TepsiKaydi);
}

void Form1::mPopExit_Click()
{
    tray_.Notify(TrayMessage::Delete, modulum_.TepsiKaydi);
    EndProgram();
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

void Form1::KapamayiUygula()
{
    closingUnderWay_ = true;
    ClosingWindow window(*this);
    power::KapamayiUygula(window, modulum_.TepsiKaydi,
                          {.clock = services_.clock,
                           .events = services_.events,
                           .tray = tray_,
                           .power = services_.power,
                           .dialogs = services_.dialogs,
                           .runtime = services_.runtime});
}

void Form1::EndProgram()
{
    // An icon left behind would stay in the notification area until the user moved the mouse over it.
    if (tray_.IconPresent())
    {
        tray_.Notify(TrayMessage::Delete, modulum_.TepsiKaydi);
    }
    platform::EndNow(services_.runtime);
}

} // namespace dorvik
