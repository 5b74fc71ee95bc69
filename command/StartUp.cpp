#include "command/StartUp.h"

#include "command/Payload.h"
#include "resources/UiText.h"

namespace dorvik::command
{

using platform::OutputStream;

std::optional<ExitCode> AnswerAtOnce(const Request& request, platform::IOutput& output)
{
    if (request.action == Action::ShowUsage)
    {
        output.Print(OutputStream::Output, UsageText());
        return ExitCodeOf(request);
    }
    if (request.action == Action::Invalid)
    {
        output.Print(OutputStream::Error, request.error);
        return ExitCodeOf(request);
    }
    return std::nullopt;
}

std::optional<ExitCode> AnswerThroughRunningCopy(const Request& request,
                                                 std::span<const std::wstring> arguments,
                                                 platform::IInstance& instance, platform::IOutput& output)
{
    // Its window, its icon and its warnings would reach nobody, and whoever is logged on could not cancel
    // what it armed.
    if (!instance.OnUsersDesktop())
    {
        output.Print(OutputStream::Error, OutcomeMessage(ExitCode::NotOnUsersDesktop, request));
        return ExitCode::NotOnUsersDesktop;
    }
    const bool arms = request.action == Action::Arm;
    const bool asks = request.action == Action::Cancel || request.action == Action::Status ||
                      request.action == Action::Postpone;
    if (!arms && !asks)
    {
        // The window, or the copy an arming started to wait: it takes the place, and finds out whether
        // another copy has it. The window's start-up reports one as always; a waiting copy leaves the request
        // to it.
        instance.TakePlace();
        if (request.action == Action::AwaitCommand && instance.PreviousInstance())
        {
            return ExitCode::Done;
        }
        return std::nullopt;
    }
    // A status is what was asked for, whatever it says; everything else but success explains a refusal.
    const OutputStream answerStream =
        request.action == Action::Status ? OutputStream::Output : OutputStream::Error;
    // A copy that only asks or cancels holds no place: another start or another script goes on meanwhile.
    if (asks && !instance.RunningCopyExists())
    {
        output.Print(answerStream, OutcomeMessage(ExitCode::NothingToCancel, request));
        return ExitCode::NothingToCancel;
    }
    const std::optional<std::wstring> payload = EncodeArguments(arguments);
    if (!payload)
    {
        output.Print(OutputStream::Error, text::kCommandTooLong);
        return ExitCode::UsageError;
    }
    // A script, a shortcut or a task that arms gets its answer and ends: the closing waits in a copy of its
    // own, which the task's end, its time limit or its "Stop" cannot take with it. Should that copy not
    // start, this one becomes it, as before, unless another copy took over meanwhile.
    bool startsWaitingCopy = false;
    if (arms)
    {
        instance.TakePlace();
        startsWaitingCopy = !instance.PreviousInstance();
        if (startsWaitingCopy && !instance.StartWaitingCopy() && !instance.PreviousInstance())
        {
            return std::nullopt;
        }
    }
    const platform::RunningCopyAnswer answer = instance.HandToRunningCopy(*payload);
    // A status always comes with its line: without one, its answer did not come through.
    const bool statusWithoutLine = answer.handOver == platform::HandOver::Answered && answer.exitCode == 0 &&
                                   request.action == Action::Status && answer.text.empty();
    if (answer.handOver == platform::HandOver::NotFound)
    {
        // Nothing was handed over, so nothing changed: trying again is safe.
        output.Print(OutputStream::Error, text::kCommandNoAnswer);
        return ExitCode::Busy;
    }
    // Handed over without an answer: the running copy may carry it out yet, so "busy" would be a false
    // answer.
    const auto code = answer.handOver == platform::HandOver::NoRights ? ExitCode::RunningCopyElevated
                      : answer.handOver == platform::HandOver::NoAnswer || statusWithoutLine
                          ? ExitCode::OutcomeUnknown
                          : static_cast<ExitCode>(answer.exitCode);
    // The waiting copy ends when its arming is refused; this one ends after it, so that no copy stays behind
    // once the caller has its answer. Refused as already armed, it armed another caller's request and stays.
    if (startsWaitingCopy && code != ExitCode::Done && code != ExitCode::AlreadyArmed &&
        code != ExitCode::OutcomeUnknown)
    {
        instance.WaitForWaitingCopyToEnd();
    }
    // A status, and the new moment of a postponement; a refusal the running copy put in words of its own.
    if (!answer.text.empty())
    {
        output.Print(code == ExitCode::Done ? OutputStream::Output : OutputStream::Error, answer.text);
    }
    else if (const std::wstring message = OutcomeMessage(code, request); !message.empty())
    {
        output.Print(code == ExitCode::NothingToCancel ? answerStream : OutputStream::Error, message);
    }
    return code;
}

} // namespace dorvik::command
