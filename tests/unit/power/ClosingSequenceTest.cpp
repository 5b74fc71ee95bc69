// The closing sequence: its calls in order, the kind read after the wait, a wait that lets handlers run and
// ends on time, and a request that cannot be made.
#include "power/ClosingSequence.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeDialogs.h"
#include "platform/fake/FakeEventPump.h"
#include "platform/fake/FakeServices.h"
#include "tray/TrayRecord.h"

namespace dorvik::power
{
namespace
{

using namespace std::chrono_literals;
using platform::ExitFlags;
using platform::IconId;
using platform::PowerCall;
using platform::TrayMessage;
using scheduler::ClosingKind;

class RecordingWindow final : public IClosingWindow
{
public:
    void StopTimer() override
    {
        log.push_back("timer stopped");
        timerRunning = false;
    }

    void ShowStatus(std::wstring_view text) override
    {
        log.push_back("status");
        status = text;
    }

    void ShowIcon(IconId shown) override
    {
        log.push_back("icon");
        icon = shown;
    }

    ClosingKind KindToCarryOut() const override { return kind; }

    ClosingKind kind = ClosingKind::Shutdown;
    bool timerRunning = true;
    std::wstring status;
    IconId icon = IconId::DorvikSet;
    std::vector<std::string> log;
};

struct ClosingSequence : testing::Test
{
    ClosingResult Run(bool rehearsal = false) { return KapamayiUygula(window, record, services, rehearsal); }

    platform::FakeClock clock;
    platform::FakeEventPump events{clock};
    platform::FakeTray tray;
    platform::FakePower power;
    platform::FakeDialogs dialogs;
    platform::FakeRuntime runtime;
    RecordingWindow window;
    platform::NotifyIconData record = tray::MakeTepsiKaydi({}, IconId::DorvikSet, L"Dorvik! V1.0");
    platform::FakeEventLog eventLog;
    ClosingServices services{clock, events, tray, power, dialogs, runtime, eventLog};
};

struct KindCase
{
    ClosingKind kind;
    ExitFlags flags;
    bool privilege;
};

class ClosingForKind : public ClosingSequence, public testing::WithParamInterface<KindCase>
{
};

TEST_P(ClosingForKind, RunsEveryStepInOrderAndEnds)
{
    tray.Notify(TrayMessage::Add, record);
    tray.Clear();
    window.kind = GetParam().kind;

    EXPECT_THROW(Run(), platform::ProgramEnded);

    EXPECT_EQ(window.log, (std::vector<std::string>{"timer stopped", "status", "icon"}));
    EXPECT_FALSE(window.timerRunning);
    EXPECT_EQ(window.status, L"Sistem hazırlanıyor...");
    EXPECT_EQ(window.icon, IconId::Kapan);
    ASSERT_EQ(tray.Calls().size(), 2u);
    EXPECT_EQ(tray.Calls()[0].message, TrayMessage::Modify);
    EXPECT_EQ(tray.Calls()[0].data.hIcon, IconId::Kapan);
    EXPECT_EQ(tray.Calls()[1].message, TrayMessage::Delete);
    EXPECT_FALSE(tray.ShownIcon());

    std::vector<PowerCall> expectedCalls;
    if (GetParam().privilege)
    {
        expectedCalls.push_back(PowerCall::EnablePrivilege);
    }
    expectedCalls.push_back(PowerCall::ExitWindows);
    ASSERT_EQ(power.Calls().size(), expectedCalls.size());
    for (std::size_t i = 0; i < expectedCalls.size(); ++i)
    {
        EXPECT_EQ(power.Calls()[i].call, expectedCalls[i]);
    }
    EXPECT_EQ(power.Calls().back().flags, GetParam().flags);
    EXPECT_EQ(power.Calls().back().reason, 0xFFFFFFFFu);
    EXPECT_EQ(runtime.endCount, 1);
    EXPECT_TRUE(dialogs.Shown().empty());
}

INSTANTIATE_TEST_SUITE_P(Kinds, ClosingForKind,
                         testing::Values(KindCase{ClosingKind::Shutdown, ExitFlags::ShutdownForce, true},
                                         KindCase{ClosingKind::Restart, ExitFlags::RebootForce, true},
                                         KindCase{ClosingKind::LogOff, ExitFlags::LogOff, false}));

TEST_F(ClosingSequence, WaitsFiveSecondsOnTheMonotonicClockWhileEventsAreProcessed)
{
    const auto start = clock.Monotonic();
    events.Schedule(1200ms, [&] { EXPECT_TRUE(power.Calls().empty()); });

    EXPECT_THROW(Run(), platform::ProgramEnded);

    EXPECT_EQ(clock.Monotonic() - start, 5000ms);
    EXPECT_EQ(events.Waited(), 5000ms);
    EXPECT_GE(events.Calls(), 2);
}

TEST_F(ClosingSequence, WaitStartingAtTheLastSecondsOfTheDayEndsFiveSecondsLater)
{
    clock.SetTime(23, 59, 58);
    const auto start = clock.Monotonic();
    // The wall clock going back an hour during the wait, as at the end of summer time, changes nothing.
    events.Schedule(2000ms, [&] { clock.JumpWallClock(-1h); });

    EXPECT_THROW(Run(), platform::ProgramEnded);

    EXPECT_EQ(clock.Monotonic() - start, 5000ms);
    EXPECT_EQ(power.Calls().size(), 2u);
}

TEST_F(ClosingSequence, KindChosenDuringTheWaitIsTheOneCarriedOut)
{
    events.Schedule(2500ms, [&] { window.kind = ClosingKind::LogOff; });

    EXPECT_THROW(Run(), platform::ProgramEnded);

    ASSERT_EQ(power.Calls().size(), 1u);
    EXPECT_EQ(power.Calls()[0].flags, ExitFlags::LogOff);
}

TEST_F(ClosingSequence, ProgramEndedDuringTheWaitRequestsNothing)
{
    events.Schedule(3000ms, [&] { runtime.EndNow(); });

    EXPECT_THROW(Run(), platform::ProgramEnded);

    EXPECT_TRUE(power.Calls().empty());
    ASSERT_EQ(tray.Calls().size(), 1u);
    EXPECT_EQ(tray.Calls()[0].message, TrayMessage::Modify);
}

TEST_F(ClosingSequence, PrivilegeThatCannotBeEnabledIsReportedAndNothingIsRequested)
{
    power.privilegeFailure =
        platform::PowerOutcome{false, L"Not all privileges or groups referenced are assigned."};

    EXPECT_THROW(Run(), platform::ProgramEnded);

    ASSERT_EQ(power.Calls().size(), 1u);
    EXPECT_EQ(power.Calls()[0].call, PowerCall::EnablePrivilege);
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown()[0].text,
              L"Kapama işlemi gerçekleştirilemedi!\r\nNot all privileges or groups referenced are assigned.");
    EXPECT_EQ(dialogs.Shown()[0].title, L"Dorvik! V1.0");
    EXPECT_EQ(dialogs.Shown()[0].style, platform::MsgStyle::Exclamation);
    EXPECT_EQ(runtime.endCount, 1);
}

TEST_F(ClosingSequence, RequestRefusedByWindowsIsReportedBeforeTheEnd)
{
    window.kind = ClosingKind::LogOff;
    power.exitFailure = platform::PowerOutcome{false, L"Access is denied."};
    dialogs.WhileOpen([&](const platform::ShownMessage&) { EXPECT_EQ(runtime.endCount, 0); });

    EXPECT_THROW(Run(), platform::ProgramEnded);

    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown()[0].text, L"Kapama işlemi gerçekleştirilemedi!\r\nAccess is denied.");
    EXPECT_EQ(runtime.endCount, 1);
}

struct GoesOnCase
{
    const char* name;
    ClosingKind kind;
    bool rehearsal;
    bool refused; // Windows refuses to suspend
    ClosingResult expected;
    std::vector<PowerCall> calls;
};

class ClosingThatGoesOn : public ClosingSequence, public testing::WithParamInterface<GoesOnCase>
{
};

// A rehearsal runs the whole road but the request; after a sleep the program and its icon are still there.
TEST_P(ClosingThatGoesOn, ReturnsWithTheIconStillInTheNotificationArea)
{
    const GoesOnCase& c = GetParam();
    tray.Notify(TrayMessage::Add, record);
    window.kind = c.kind;
    if (c.refused)
    {
        power.suspendFailure = platform::PowerOutcome{false, L"The request is not supported."};
    }

    EXPECT_EQ(Run(c.rehearsal), c.expected);

    EXPECT_EQ(window.icon, IconId::Kapan);
    EXPECT_EQ(window.status, L"Sistem hazırlanıyor...");
    EXPECT_EQ(tray.ShownIcon(), IconId::Kapan);
    std::vector<PowerCall> calls;
    for (const platform::PowerRecord& made : power.Calls())
    {
        calls.push_back(made.call);
    }
    EXPECT_EQ(calls, c.calls);
    if (!c.calls.empty())
    {
        EXPECT_EQ(power.Calls().back().hibernate, c.kind == ClosingKind::Hibernate);
    }
    EXPECT_EQ(dialogs.Shown().size(), c.refused ? 1u : 0u);
    EXPECT_EQ(runtime.endCount, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Closings, ClosingThatGoesOn,
    testing::Values(
        GoesOnCase{"RehearsedShutdown", ClosingKind::Shutdown, true, false, ClosingResult::Rehearsed, {}},
        GoesOnCase{"RehearsedLogOff", ClosingKind::LogOff, true, false, ClosingResult::Rehearsed, {}},
        GoesOnCase{"RehearsedSleep", ClosingKind::Sleep, true, false, ClosingResult::Rehearsed, {}},
        GoesOnCase{"Sleep",
                   ClosingKind::Sleep,
                   false,
                   false,
                   ClosingResult::Suspended,
                   {PowerCall::EnablePrivilege, PowerCall::Suspend}},
        GoesOnCase{"Hibernate",
                   ClosingKind::Hibernate,
                   false,
                   false,
                   ClosingResult::Suspended,
                   {PowerCall::EnablePrivilege, PowerCall::Suspend}},
        GoesOnCase{"SleepRefused",
                   ClosingKind::Sleep,
                   false,
                   true,
                   ClosingResult::SuspendFailed,
                   {PowerCall::EnablePrivilege, PowerCall::Suspend}}),
    [](const testing::TestParamInfo<GoesOnCase>& param) { return std::string(param.param.name); });

TEST(ExitFlagsFor, ForceOnlyShutdownAndRestart)
{
    EXPECT_EQ(ExitFlagsFor(ClosingKind::Shutdown), ExitFlags::ShutdownForce);
    EXPECT_EQ(ExitFlagsFor(ClosingKind::Restart), ExitFlags::RebootForce);
    EXPECT_EQ(ExitFlagsFor(ClosingKind::LogOff), ExitFlags::LogOff);
    EXPECT_EQ(static_cast<std::uint32_t>(ExitFlags::ShutdownForce), 5u);
    EXPECT_EQ(static_cast<std::uint32_t>(ExitFlags::RebootForce), 6u);
    EXPECT_EQ(static_cast<std::uint32_t>(ExitFlags::LogOff), 0u);
}

} // namespace
} // namespace dorvik::power
