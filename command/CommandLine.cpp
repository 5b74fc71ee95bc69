#include "command/CommandLine.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "command/AsciiCase.h"
#include "command/Number.h"
#include "resources/Fill.h"
#include "resources/UiText.h"
#include "scheduler/ClockField.h"

namespace dorvik::command
{
namespace
{

using scheduler::ClosingKind;

enum class Role
{
    Kind,
    Hemen,
    Sonra,
    Saat,
    Program,
    Process,
    Quiet,
    ProcessorLimit,
    NetworkLimit,
    Rehearsal,
    Cancel,
    Status,
    Postpone,
    Await,
    Help
};

struct Switch
{
    std::wstring_view name;
    Role role;
    ClosingKind kind; // Role::Kind only
};

constexpr Switch kSwitches[] = {
    {L"kapat", Role::Kind, ClosingKind::Shutdown},
    {L"s", Role::Kind, ClosingKind::Shutdown},
    {L"yeniden", Role::Kind, ClosingKind::Restart},
    {L"r", Role::Kind, ClosingKind::Restart},
    {L"oturum", Role::Kind, ClosingKind::LogOff},
    {L"l", Role::Kind, ClosingKind::LogOff},
    {L"uyku", Role::Kind, ClosingKind::Sleep},
    {L"hazirda", Role::Kind, ClosingKind::Hibernate},
    {L"h", Role::Kind, ClosingKind::Hibernate},
    {L"deneme", Role::Rehearsal, ClosingKind::Shutdown},
    {L"ertele", Role::Postpone, ClosingKind::Shutdown},
    {L"surec", Role::Process, ClosingKind::Shutdown},
    {L"process", Role::Process, ClosingKind::Shutdown},
    {L"sessiz", Role::Quiet, ClosingKind::Shutdown},
    {L"islemci", Role::ProcessorLimit, ClosingKind::Shutdown},
    {L"ag", Role::NetworkLimit, ClosingKind::Shutdown},
    {L"hemen", Role::Hemen, ClosingKind::Shutdown},
    {L"sonra", Role::Sonra, ClosingKind::Shutdown},
    {L"saat", Role::Saat, ClosingKind::Shutdown},
    {L"program", Role::Program, ClosingKind::Shutdown},
    {L"iptal", Role::Cancel, ClosingKind::Shutdown},
    {L"a", Role::Cancel, ClosingKind::Shutdown},
    {L"durum", Role::Status, ClosingKind::Shutdown},
    {L"bekle", Role::Await, ClosingKind::Shutdown},
    {L"?", Role::Help, ClosingKind::Shutdown},
};

const Switch* SwitchOf(std::wstring_view argument) noexcept
{
    if (argument.empty() || (argument.front() != L'/' && argument.front() != L'-'))
    {
        return nullptr;
    }
    argument.remove_prefix(1);
    const auto found = std::ranges::find_if(
        kSwitches, [argument](const Switch& known) { return EqualsIgnoringAsciiCase(argument, known.name); });
    return found == std::ranges::end(kSwitches) ? nullptr : &*found;
}

using text::Fill;

Request Invalid(std::wstring error)
{
    Request request;
    request.action = Action::Invalid;
    request.error = std::move(error);
    return request;
}

// The numbers a switch takes, and what is said when its number is missing or does not fit.
struct NumberRule
{
    Role role;
    std::uint32_t least;
    std::uint32_t most;
    std::wstring_view missing;
    std::wstring_view wrong;
};

constexpr NumberRule kNumberRules[] = {
    {Role::Sonra, 1, 1440, text::kCommandMinutesMissing, text::kCommandBadMinutes},
    {Role::Postpone, 1, 1440, text::kCommandMinutesMissing, text::kCommandBadMinutes},
    {Role::Quiet, 1, 240, text::kCommandMinutesMissing, text::kCommandBadQuietMinutes},
    {Role::ProcessorLimit, 1, 100, text::kCommandPercentMissing, text::kCommandBadPercent},
    {Role::NetworkLimit, 1, 1'000'000, text::kCommandKilobytesMissing, text::kCommandBadKilobytes},
};

const NumberRule* NumberRuleOf(Role role) noexcept
{
    const auto found = std::ranges::find(kNumberRules, role, &NumberRule::role);
    return found == std::ranges::end(kNumberRules) ? nullptr : &*found;
}

// One or two digits of hour, exactly two of minute and, when given, of second: "7:05" and "07:05:00" are the
// same time, "7:5" and "007:05" are none.
std::optional<scheduler::TimeOfDay> ParseTime(std::wstring_view text)
{
    const std::size_t hourLength = text.find(L':');
    if (hourLength == std::wstring_view::npos || hourLength == 0 || hourLength > 2)
    {
        return std::nullopt;
    }
    const std::wstring_view rest = text.substr(hourLength + 1);
    const bool withSecond = rest.size() == 5 && rest[2] == L':';
    if (rest.size() != 2 && !withSecond)
    {
        return std::nullopt;
    }
    const std::array<std::wstring_view, 3> fields{text.substr(0, hourLength), rest.substr(0, 2),
                                                  withSecond ? rest.substr(3) : L"00"};
    scheduler::TimeOfDay time{};
    for (std::size_t i = 0; i < fields.size(); ++i)
    {
        const std::optional<int> value = scheduler::FieldNumber(fields[i]);
        if (!value || *value > scheduler::FieldLimit(static_cast<int>(i)))
        {
            return std::nullopt;
        }
        time[i] = static_cast<std::uint8_t>(*value);
    }
    return time;
}

std::wstring_view MissingValuePattern(Role role)
{
    if (const NumberRule* rule = NumberRuleOf(role))
    {
        return rule->missing;
    }
    if (role == Role::Process)
    {
        return text::kCommandProcessMissing;
    }
    return role == Role::Saat ? text::kCommandTimeMissing : text::kCommandTitleMissing;
}

// Reads the value of a switch that takes one into the request; the sentence that names the fault when the
// value does not fit.
std::optional<std::wstring> TakeValue(Role role, std::wstring_view typed, const std::wstring& value,
                                      Request& request)
{
    ArmRequest& arm = request.arm;
    if (const NumberRule* rule = NumberRuleOf(role))
    {
        const std::optional<std::uint32_t> number = ParseNumber(value, rule->least, rule->most);
        if (!number)
        {
            return Fill(rule->wrong, value, typed);
        }
        switch (role)
        {
        case Role::Sonra:
            arm.moment = MomentKind::Sonra;
            arm.delay = std::chrono::minutes{*number};
            break;
        case Role::Quiet:
            arm.quiet = std::chrono::minutes{*number};
            break;
        case Role::ProcessorLimit:
            arm.processorPercent = static_cast<int>(*number);
            break;
        case Role::Postpone:
            request.postpone = std::chrono::minutes{*number};
            break;
        default:
            arm.kilobytesPerSecond = *number;
            break;
        }
    }
    else if (role == Role::Saat)
    {
        const std::optional<scheduler::TimeOfDay> time = ParseTime(value);
        if (!time)
        {
            return Fill(text::kCommandBadTime, value);
        }
        arm.moment = MomentKind::Saat;
        arm.time = *time;
    }
    else if (value.empty())
    {
        return Fill(role == Role::Process ? text::kCommandProcessMissing : text::kCommandEmptyTitle, typed);
    }
    else if (role == Role::Process)
    {
        arm.process = value;
    }
    else
    {
        arm.program = value;
    }
    return std::nullopt;
}

} // namespace

Request ParseCommandLine(std::span<const std::wstring> arguments)
{
    Request request;
    if (arguments.empty())
    {
        return request;
    }
    // Asking for help always helps, whatever else the line holds, even in the place of a value.
    if (std::ranges::any_of(arguments, [](const std::wstring& argument) {
            const Switch* known = SwitchOf(argument);
            return known != nullptr && known->role == Role::Help;
        }))
    {
        request.action = Action::ShowUsage;
        return request;
    }

    ArmRequest& arm = request.arm;
    const std::wstring* kindArgument = nullptr; // as typed, to name it when it stands alone
    // The switches with a value given so far, each allowed once.
    std::vector<Role> given;
    bool momentGiven = false;
    // /iptal, /durum and /bekle stand alone.
    const Switch* alone = nullptr;
    const auto withAlone = [](const Switch& single) {
        switch (single.role)
        {
        case Role::Cancel:
            return text::kCommandWithCancel;
        case Role::Await:
            return text::kCommandWithAwait;
        case Role::Postpone:
            return text::kCommandWithPostpone;
        default:
            return text::kCommandWithStatus;
        }
    };
    // The value is the next argument, whatever it looks like: "/program /x" watches the window "/x".
    const auto takeNextValue = [&](std::size_t& i, Role role) -> std::optional<std::wstring> {
        const std::wstring& typed = arguments[i];
        if (i + 1 == arguments.size())
        {
            return Fill(MissingValuePattern(role), typed);
        }
        return TakeValue(role, typed, arguments[++i], request);
    };
    for (std::size_t i = 0; i < arguments.size(); ++i)
    {
        const std::wstring& argument = arguments[i];
        const Switch* known = SwitchOf(argument);
        if (known == nullptr)
        {
            return Invalid(Fill(text::kCommandUnknown, argument));
        }
        if (alone != nullptr)
        {
            return Invalid(Fill(withAlone(*alone), argument));
        }
        switch (known->role)
        {
        case Role::Help: // answered before the walk
            break;
        case Role::Cancel:
        case Role::Status:
        case Role::Await:
        case Role::Postpone:
            if (i != 0)
            {
                return Invalid(Fill(withAlone(*known), arguments.front()));
            }
            alone = known;
            if (known->role == Role::Postpone)
            {
                if (std::optional<std::wstring> fault = takeNextValue(i, known->role))
                {
                    return Invalid(std::move(*fault));
                }
            }
            break;
        case Role::Rehearsal:
            if (arm.rehearsal)
            {
                return Invalid(Fill(text::kCommandTwice, argument));
            }
            arm.rehearsal = true;
            break;
        case Role::Kind:
            if (kindArgument != nullptr)
            {
                return Invalid(Fill(text::kCommandSecondKind, argument));
            }
            kindArgument = &argument;
            arm.kind = known->kind;
            break;
        case Role::Hemen:
            if (momentGiven)
            {
                return Invalid(Fill(text::kCommandSecondMoment, argument));
            }
            momentGiven = true;
            arm.moment = MomentKind::Hemen;
            break;
        case Role::Sonra:
        case Role::Saat:
        case Role::Program:
        case Role::Process:
        case Role::Quiet:
        case Role::ProcessorLimit:
        case Role::NetworkLimit: {
            const bool isMoment = known->role == Role::Sonra || known->role == Role::Saat;
            if (isMoment ? momentGiven : std::ranges::find(given, known->role) != given.end())
            {
                return Invalid(Fill(known->role == Role::Program ? text::kCommandSecondProgram
                                    : isMoment                   ? text::kCommandSecondMoment
                                                                 : text::kCommandTwice,
                                    argument));
            }
            given.push_back(known->role);
            if (std::optional<std::wstring> fault = takeNextValue(i, known->role))
            {
                return Invalid(std::move(*fault));
            }
            momentGiven = momentGiven || isMoment;
            break;
        }
        }
    }

    if (alone != nullptr)
    {
        request.action = alone->role == Role::Cancel     ? Action::Cancel
                         : alone->role == Role::Status   ? Action::Status
                         : alone->role == Role::Postpone ? Action::Postpone
                                                         : Action::AwaitCommand;
        return request;
    }
    // A closing follows one thing: a window, or a process, or the quiet (of the computer or of that process).
    if (arm.program && (arm.process || arm.quiet))
    {
        return Invalid(Fill(text::kCommandProgramWith, arm.process ? L"/surec" : L"/sessiz"));
    }
    // The limits are the quiet's own.
    for (const auto& [role, name] :
         {std::pair{Role::ProcessorLimit, L"/islemci"}, std::pair{Role::NetworkLimit, L"/ag"}})
    {
        if (!arm.quiet && std::ranges::find(given, role) != given.end())
        {
            return Invalid(Fill(text::kCommandOnlyWithQuiet, name));
        }
    }
    // A rehearsal of a kind comes at once unless a moment is given: it is there to be watched.
    const bool follows = arm.program || arm.process || arm.quiet;
    if (kindArgument != nullptr && !momentGiven && !follows && !arm.rehearsal)
    {
        return Invalid(Fill(text::kCommandKindAlone, *kindArgument));
    }
    request.action = Action::Arm;
    return request;
}

std::wstring ProcessNoAccessMessage(std::wstring_view process, bool forQuiet)
{
    return Fill(forQuiet ? text::kCommandProcessLoadNoAccess : text::kCommandProcessNoAccess, process);
}

void RefuseWhatTheComputerCannotDo(Request& request, platform::IPower& power)
{
    if (request.action != Action::Arm)
    {
        return;
    }
    if (request.arm.kind == ClosingKind::Hibernate && !power.HibernationAllowed())
    {
        request = Invalid(std::wstring(text::kCommandHibernationOff));
    }
    else if (request.arm.kind == ClosingKind::Sleep && !power.SleepAllowed())
    {
        request = Invalid(std::wstring(text::kCommandSleepOff));
    }
}

ExitCode ExitCodeOf(const Request& request)
{
    return request.action == Action::Invalid ? ExitCode::UsageError : ExitCode::Done;
}

std::wstring UsageText()
{
    std::wstring usage;
    for (const std::wstring_view line : text::kCommandUsage)
    {
        usage += line;
        usage += L"\r\n";
    }
    return usage;
}

std::wstring OutcomeMessage(ExitCode code, const Request& request)
{
    switch (code)
    {
    case ExitCode::Done:
        return {};
    case ExitCode::UsageError:
        return request.error;
    case ExitCode::NothingToCancel:
        return std::wstring(request.action == Action::Status     ? text::kNothingArmed
                            : request.action == Action::Postpone ? text::kCommandNothingToPostpone
                                                                 : text::kCommandNothingToCancel);
    case ExitCode::NoSuchWindow:
        if (request.arm.process)
        {
            return Fill(text::kCommandNoSuchProcess, *request.arm.process);
        }
        return Fill(text::kCommandNoSuchWindow, request.arm.program.value_or(std::wstring()));
    case ExitCode::AlreadyArmed:
        return std::wstring(text::kCommandAlreadyArmed);
    case ExitCode::Busy:
        return std::wstring(text::kCommandBusy);
    case ExitCode::NotOnUsersDesktop:
        return std::wstring(text::kCommandNotOnUsersDesktop);
    case ExitCode::RunningCopyElevated:
        return std::wstring(text::kCommandRunningCopyElevated);
    case ExitCode::OutcomeUnknown:
        return std::wstring(text::kCommandOutcomeUnknown);
    }
    // A code from outside the list, e.g. a running copy newer than this one.
    return {};
}

} // namespace dorvik::command
