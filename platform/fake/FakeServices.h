// Small in-memory services: the previous-instance flag, the immediate end, the notification area and the
// power service.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/IEventLog.h"
#include "platform/IInstance.h"
#include "platform/IOutput.h"
#include "platform/IPower.h"
#include "platform/IRuntime.h"
#include "platform/ITray.h"

namespace dorvik::platform
{

class FakeInstance final : public IInstance
{
public:
    void TakePlace() override { ++placesTaken; }

    bool PreviousInstance() const override { return previous; }

    bool RunningCopyExists() const override { return previous; }

    void LetGo() override { ++letGo; }

    bool OnUsersDesktop() const override { return usersDesktop; }

    bool StartWaitingCopy() override
    {
        ++waitingCopiesStarted;
        previous = waitingCopyStarts || takenOverMeanwhile;
        return waitingCopyStarts;
    }

    RunningCopyAnswer HandToRunningCopy(std::wstring_view payload) override
    {
        handed.emplace_back(payload);
        if (!runningCopyAnswer)
        {
            return {.handOver = notAnswered, .exitCode = 0, .text = {}};
        }
        return {.handOver = handOver, .exitCode = *runningCopyAnswer, .text = runningCopyText};
    }

    void WaitForWaitingCopyToEnd() override { ++waitsForTheWaitingCopy; }

    bool previous = false;
    int placesTaken = 0;
    int letGo = 0;
    bool usersDesktop = true;
    // Whether a waiting copy can be started, and how many were.
    bool waitingCopyStarts = true;
    int waitingCopiesStarted = 0;
    // Another copy takes the name while this one fails to start a waiting copy.
    bool takenOverMeanwhile = false;
    int waitsForTheWaitingCopy = 0;
    // What the running copy answers; nothing: it does not answer, as notAnswered says.
    std::optional<int> runningCopyAnswer = 0;
    HandOver notAnswered = HandOver::NoAnswer;
    HandOver handOver = HandOver::Answered;
    std::wstring runningCopyText;
    std::vector<std::wstring> handed;
};

struct PrintedText
{
    OutputStream stream;
    std::wstring text;
};

class FakeOutput final : public IOutput
{
public:
    void Print(OutputStream stream, std::wstring_view text) override
    {
        printed.push_back({stream, std::wstring(text)});
    }

    std::vector<PrintedText> printed;
};

class FakeEventLog final : public IEventLog
{
public:
    void Write(const EventRecord& record) noexcept override { records.push_back(record); }

    std::vector<EventRecord> records;
};

// Thrown where the real program would end, so a test can see that it ended and that nothing after it ran.
struct ProgramEnded
{
};

class FakeRuntime final : public IRuntime
{
public:
    [[noreturn]] void EndNow() override
    {
        ++endCount;
        throw ProgramEnded{};
    }

    int endCount = 0;
};

struct TrayCall
{
    TrayMessage message;
    NotifyIconData data;
};

struct Balloon
{
    std::wstring title;
    std::wstring text;
};

class FakeTray final : public ITray
{
public:
    bool Notify(TrayMessage message, const NotifyIconData& data) override;
    bool ShowBalloon(const NotifyIconData& data, std::wstring_view title, std::wstring_view text) override;

    std::optional<Rect> IconArea(const NotifyIconData& /*data*/) override
    {
        return shown_ ? iconArea : std::nullopt;
    }

    bool ReturnFocus(const NotifyIconData& /*data*/) override
    {
        ++focusReturns;
        return shown_.has_value();
    }

    // Every balloon shown, in order.
    const std::vector<Balloon>& Balloons() const noexcept { return balloons_; }

    // The icon the notification area shows now, if any.
    std::optional<IconId> ShownIcon() const { return shown_; }

    const std::vector<TrayCall>& Calls() const noexcept { return calls_; }

    void Clear() { calls_.clear(); }

    bool acceptAdd = true;
    // Where the shell says the icon stands.
    std::optional<Rect> iconArea = Rect{980, 740, 1000, 760};
    // How often the keyboard focus was given back to the icon.
    int focusReturns = 0;
    // How many adds from now on the shell refuses, as while it is still starting.
    int refuseAdds = 0;

private:
    std::vector<TrayCall> calls_;
    std::vector<Balloon> balloons_;
    std::optional<IconId> shown_;
};

enum class PowerCall
{
    EnablePrivilege,
    ExitWindows,
    Suspend
};

struct PowerRecord
{
    PowerCall call;
    ExitFlags flags = ExitFlags::LogOff;
    std::uint32_t reason = 0;
    bool hibernate = false;
};

class FakePower final : public IPower
{
public:
    PowerOutcome EnableShutdownPrivilege() override;
    PowerOutcome RequestExitWindows(ExitFlags flags, std::uint32_t reason) override;

    bool HibernationAllowed() override { return hibernationAllowed; }

    bool SleepAllowed() override { return sleepAllowed; }

    PowerOutcome Suspend(bool hibernate) override;
    bool KeepSystemAwake(std::wstring_view reason) override;
    void AllowSleep() override;

    const std::vector<PowerRecord>& Calls() const noexcept { return calls_; }

    // The reason the system is kept awake for, while it is.
    const std::optional<std::wstring>& AwakeReason() const noexcept { return awakeReason_; }

    // Windows takes no note of the wish to stay awake.
    bool refuseToKeepAwake = false;

    std::optional<PowerOutcome> privilegeFailure;
    std::optional<PowerOutcome> exitFailure;
    bool hibernationAllowed = true;
    bool sleepAllowed = true;
    std::optional<PowerOutcome> suspendFailure;

private:
    std::vector<PowerRecord> calls_;
    std::optional<std::wstring> awakeReason_;
};

} // namespace dorvik::platform
