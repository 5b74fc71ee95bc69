// The main window carrying out a command line: arming as the same choices confirmed in the window would,
// cancelling, putting off, and the answers with which it refuses.
#include <optional>
#include <string>
#include <vector>

#include "command/Payload.h"
#include "resources/UiText.h"
#include "scheduler/ClockField.h"
#include "ui/Form1.h"

namespace dorvik
{

using platform::IconId;
using platform::TrayMessage;

command::ExitCode Form1::Form_CopyData(std::wstring_view payload, std::wstring* answerText)
{
    // Checked as a command line of this program's own, whoever sent it: nothing but arming, cancelling and
    // asking.
    const std::optional<std::vector<std::wstring>> arguments = command::DecodeArguments(payload);
    if (!arguments)
    {
        return command::ExitCode::UsageError;
    }
    command::Request request = command::ParseCommandLine(*arguments);
    command::RefuseWhatTheComputerCannotDo(request, services_.power);
    if (request.action == command::Action::Status)
    {
        return AnswerStatus(answerText);
    }
    if (request.action != command::Action::Arm && request.action != command::Action::Cancel &&
        request.action != command::Action::Postpone)
    {
        return command::ExitCode::UsageError;
    }
    // The copy started to wait for this arming goes once it has answered, unless it armed. It no longer waits
    // meanwhile: the arming may handle events for seconds while the shell takes its icon.
    const bool firstArming = awaitingUntil_ && request.action == command::Action::Arm;
    if (firstArming)
    {
        awaitingUntil_.reset();
    }
    const command::ExitCode answer = Form_CommandLine(request, answerText);
    if (firstArming && !modulum_.KapamaAktif)
    {
        endWhenIdle_ = true;
    }
    // A postponement names the new moment.
    if (request.action == command::Action::Postpone && answer == command::ExitCode::Done && answerText)
    {
        *answerText = ArmedStatus().value_or(std::wstring());
    }
    return answer;
}

void Form1::Form_AwaitCommandLine()
{
    constexpr std::chrono::seconds kHandOverTime{15};
    awaitingUntil_ = services_.clock.Monotonic() + kHandOverTime;
}

command::ExitCode Form1::AnswerStatus(std::wstring* answerText)
{
    // A look changes nothing, so it is answered while a box is open too; once the closing has begun there is
    // no moment left to tell of.
    if (closingUnderWay_)
    {
        return command::ExitCode::Busy;
    }
    const std::optional<std::wstring> line = ArmedStatus();
    if (!line)
    {
        return command::ExitCode::NothingToCancel;
    }
    if (answerText)
    {
        *answerText = *line;
    }
    return command::ExitCode::Done;
}

command::ExitCode Form1::Form_CommandLine(const command::Request& request, std::wstring* refusal)
{
    using command::ExitCode;
    if (closingUnderWay_ || modalDepth_ > 0)
    {
        return ExitCode::Busy;
    }
    if (request.action == command::Action::Cancel || request.action == command::Action::Postpone)
    {
        if (!modulum_.KapamaAktif)
        {
            return ExitCode::NothingToCancel;
        }
        // As the last-minute window's buttons do, without a message: nobody may be there to read it.
        if (request.action == command::Action::Cancel)
        {
            Cancel(text::kEventFromCommandLine);
        }
        else
        {
            PutOff(request.postpone);
        }
        return ExitCode::Done;
    }
    if (request.action != command::Action::Arm)
    {
        return ExitCode::UsageError;
    }
    // Like the system's own shutdown command with a second schedule: the first must be cancelled first.
    if (modulum_.KapamaAktif)
    {
        return ExitCode::AlreadyArmed;
    }
    const command::ArmRequest& arm = request.arm;
    const platform::WindowId watched =
        arm.program ? FirstListedWindowTitled(*arm.program) : platform::WindowId::None;
    if (arm.program && platform::IsNone(watched))
    {
        return ExitCode::NoSuchWindow;
    }
    const TriggerWatch::Start started = watch_.Watch(arm);
    switch (started)
    {
    case TriggerWatch::Start::Watching:
        break;
    case TriggerWatch::Start::NoAccess:
    case TriggerWatch::Start::NoLoad:
        if (refusal)
        {
            *refusal = command::ProcessNoAccessMessage(*arm.process, started == TriggerWatch::Start::NoLoad);
        }
        [[fallthrough]];
    case TriggerWatch::Start::NoSuchProcess:
        return ExitCode::NoSuchWindow;
    }

    // The state that the same choices made in the window and confirmed with "Evet" leave. A process is a
    // program to follow, as a window is; the quiet of the computer follows no program.
    MarkKindInForce(arm.kind);
    const bool followsProgram = arm.program || arm.process;
    view_.SetChecked(MenuItem::SaateGore, !followsProgram);
    view_.SetChecked(MenuItem::ProgramaGore, followsProgram);
    if (arm.program)
    {
        modulum_.SecilenProgramId = watched;
    }
    view_.SetEnabled(ControlId::BtnDorvik, true);
    Command2_Click();
    chosenOption_ = arm.moment == command::MomentKind::Hemen ? 0 : kSaatiBelirle;
    view_.SelectOption(OptHizli(chosenOption_));
    if (arm.moment == command::MomentKind::Saat)
    {
        ShowInClockFields(arm.time);
    }
    commandDelay_.reset();
    if (arm.moment == command::MomentKind::Sonra)
    {
        commandDelay_ = arm.delay;
    }

    const scheduler::ClockReadings now = ReadClocks();
    closing_.Arm(arm.rehearsal, scheduler::Suspends(arm.kind) ? std::optional(arm.kind) : std::nullopt, now);
    if (!arm.program && !watch_.Active())
    {
        HedefZamaniHesapla(now);
        commandDelay_.reset();
    }
    BecomeArmed(text::kEventFromCommandLine);
    // Armed at start-up the window was never shown: without an icon it must be, or nothing could reach it.
    if (!HideToTray() && !view_.Shown())
    {
        view_.Show();
    }
    return ExitCode::Done;
}

platform::WindowId Form1::FirstListedWindowTitled(std::wstring_view title) const
{
    // The picker's own list, read entry by entry: the first window it would offer under this title. The list
    // shows a long title cut short, so an entry that begins the title is checked against the whole title.
    class FirstTitled final : public winlib::IListControl
    {
    public:
        FirstTitled(std::wstring_view title, const platform::IWindowSystem& windows) noexcept
            : title_(title)
            , windows_(windows)
        {
        }

        void Clear() override {}

        void AddItem(std::wstring_view text) override
        {
            lastMatches_ = !text.empty() && title_.starts_with(text);
            ++count_;
        }

        int NewIndex() const override { return count_ - 1; }

        void SetItemData(int /*index*/, std::uintptr_t data) override
        {
            const auto window = static_cast<platform::WindowId>(data);
            if (lastMatches_ && platform::IsNone(found) && windows_.WindowText(window) == title_)
            {
                found = window;
            }
        }

        platform::WindowId found = platform::WindowId::None;

    private:
        std::wstring_view title_;
        const platform::IWindowSystem& windows_;
        bool lastMatches_ = false;
        int count_ = 0;
    } list(title, services_.windows);

    if (modulum_.Pencereler)
    {
        modulum_.Pencereler->FillWndListBox(list, true);
    }
    return list.found;
}

void Form1::ShowInClockFields(const scheduler::TimeOfDay& time)
{
    for (int i = 0; i < kSaatCount; ++i)
    {
        view_.SetText(Saat(i),
                      scheduler::PadToTwoDigits(scheduler::FieldText(time[static_cast<std::size_t>(i)])));
    }
}

} // namespace dorvik
