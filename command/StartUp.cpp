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
    // Another copy took over between the start of this one and now: the request goes to that one.
    if (request.action == Action::AwaitCommand)
    {
        return instance.PreviousInstance() ? std::optional(ExitCode::Done) : std::nullopt;
    }
    if (request.action != Action::Arm && request.action != Action::Cancel && request.action != Action::Status)
    {
        return std::nullopt;
    }
    // A status is what was asked for, whatever it says; everything else but success explains a refusal.
    const OutputStream answerStream =
        request.action == Action::Status ? OutputStream::Output : OutputStream::Error;
    if (!instance.PreviousInstance() && request.action != Action::Arm)
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
    const bool startsWaitingCopy = !instance.PreviousInstance();
    if (startsWaitingCopy && !instance.StartWaitingCopy() && !instance.PreviousInstance())
    {
        return std::nullopt;
    }
    const platform::RunningCopyAnswer answer = instance.HandToRunningCopy(*payload);
    // A status always comes with its line: without one, the answer did not come through.
    const bool statusWithoutLine = answer.handOver == platform::HandOver::Answered && answer.exitCode == 0 &&
                                   request.action == Action::Status && answer.text.empty();
    if (answer.handOver == platform::HandOver::NoAnswer || statusWithoutLine)
    {
        output.Print(OutputStream::Error, text::kCommandNoAnswer);
        return ExitCode::Busy;
    }
    const auto code = answer.handOver == platform::HandOver::NoRights
                          ? ExitCode::RunningCopyElevated
                          : static_cast<ExitCode>(answer.exitCode);
    // The waiting copy ends when its arming is refused; this one ends after it, so that no copy stays behind
    // once the caller has its answer. Refused as already armed, it armed another caller's request and stays.
    if (startsWaitingCopy && code != ExitCode::Done && code != ExitCode::AlreadyArmed)
    {
        instance.WaitForWaitingCopyToEnd();
    }
    if (code == ExitCode::Done && request.action == Action::Status)
    {
        output.Print(OutputStream::Output, answer.text);
    }
    else if (const std::wstring message = OutcomeMessage(code, request); !message.empty())
    {
        output.Print(code == ExitCode::NothingToCancel ? answerStream : OutputStream::Error, message);
    }
    return code;
}

} // namespace dorvik::command
