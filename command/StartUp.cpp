#include "command/StartUp.h"

#include "command/Payload.h"
#include "resources/UiText.h"
#include "scheduler/ClockField.h"

namespace dorvik::command
{

using platform::OutputStream;

namespace
{

void RecordRefusal(const Request& request, ExitCode code, std::wstring_view said,
                   std::span<const std::wstring> arguments, platform::IEventLog& log)
{
    if (code == ExitCode::Done || (code == ExitCode::NothingToCancel && request.action == Action::Status))
    {
        return;
    }
    std::wstring line;
    for (const std::wstring& argument : arguments)
    {
        line += line.empty() ? L"" : L" ";
        line += argument;
    }
    log.Write({.id = platform::EventId::Refused,
               .level = platform::EventLevel::Warning,
               .inserts = {scheduler::FieldText(static_cast<int>(code)), std::wstring(said), line}});
}

} // namespace

ExitCode Answer(const Request& request, ExitCode code, OutputStream stream, std::wstring_view said,
                std::span<const std::wstring> arguments, platform::IOutput& output, platform::IEventLog& log)
{
    if (!said.empty())
    {
        output.Print(stream, said);
    }
    RecordRefusal(request, code, said, arguments, log);
    return code;
}

std::optional<ExitCode> AnswerAtOnce(const Request& request, std::span<const std::wstring> arguments,
                                     platform::IOutput& output, platform::IEventLog& log)
{
    if (request.action == Action::ShowUsage)
    {
        output.Print(OutputStream::Output, UsageText());
        return ExitCodeOf(request);
    }
    if (request.action == Action::Invalid)
    {
        return Answer(request, ExitCodeOf(request), OutputStream::Error, request.error, arguments, output,
                      log);
    }
    return std::nullopt;
}

std::optional<ExitCode> AnswerThroughRunningCopy(const Request& request,
                                                 std::span<const std::wstring> arguments,
                                                 platform::IInstance& instance, platform::IOutput& output,
                                                 platform::IEventLog& log)
{
    // Its window, its icon and its warnings would reach nobody, and whoever is logged on could not cancel
    // what it armed.
    if (!instance.OnUsersDesktop())
    {
        return Answer(request, ExitCode::NotOnUsersDesktop, OutputStream::Error,
                      OutcomeMessage(ExitCode::NotOnUsersDesktop, request), arguments, output, log);
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
        return Answer(request, ExitCode::NothingToCancel, answerStream,
                      OutcomeMessage(ExitCode::NothingToCancel, request), arguments, output, log);
    }
    const std::optional<std::wstring> payload = EncodeArguments(arguments);
    if (!payload)
    {
        return Answer(request, ExitCode::UsageError, OutputStream::Error, text::kCommandTooLong, arguments,
                      output, log);
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
        return Answer(request, ExitCode::Busy, OutputStream::Error, text::kCommandNoAnswer, arguments, output,
                      log);
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
        return Answer(request, code, code == ExitCode::Done ? OutputStream::Output : OutputStream::Error,
                      answer.text, arguments, output, log);
    }
    return Answer(request, code, code == ExitCode::NothingToCancel ? answerStream : OutputStream::Error,
                  OutcomeMessage(code, request), arguments, output, log);
}

} // namespace dorvik::command
