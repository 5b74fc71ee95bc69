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
    if (!instance.PreviousInstance())
    {
        if (request.action != Action::Arm)
        {
            output.Print(answerStream, OutcomeMessage(ExitCode::NothingToCancel, request));
            return ExitCode::NothingToCancel;
        }
        // A script, a shortcut or a task that arms gets its answer and ends: the closing waits in a copy of
        // its own, which the task's end, its time limit or its "Stop" cannot take with it. Should that copy
        // not start, this one becomes it, as before.
        if (!instance.StartWaitingCopy())
        {
            return std::nullopt;
        }
    }
    const std::optional<std::wstring> payload = EncodeArguments(arguments);
    if (!payload)
    {
        output.Print(OutputStream::Error, text::kCommandTooLong);
        return ExitCode::UsageError;
    }
    const platform::RunningCopyAnswer answer = instance.HandToRunningCopy(*payload);
    if (answer.handOver == platform::HandOver::NoAnswer)
    {
        output.Print(OutputStream::Error, text::kCommandNoAnswer);
        return ExitCode::Busy;
    }
    const auto code = answer.handOver == platform::HandOver::NoRights
                          ? ExitCode::RunningCopyElevated
                          : static_cast<ExitCode>(answer.exitCode);
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
