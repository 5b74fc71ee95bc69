// A closing that waits for the work to be done: a process that ends, and a computer that goes quiet once a
// busy program stops.
#include <windows.h>

#include <chrono>
#include <gtest/gtest.h>
#include <string>

#include "support/Bystander.h"
#include "support/CommandLine.h"
#include "support/Scheduling.h"
#include "support/Text.h"
#include "support/WinebootStub.h"

namespace dorvik::e2e
{
namespace
{

using Clock = std::chrono::steady_clock;

TEST(WorkDoneWinebootStub, SurecClosesOnlyOnceTheProcessHasEnded)
{
    ASSERT_TRUE(WinebootStubActive());
    Bystander work = Bystander::Start({{L"İndirme"}});
    const CommandRun armed = RunDorvik(L"/surec dorvik_bystander");
    ASSERT_EQ(armed.exitCode, 0u) << Utf8(armed.printed);
    ChildProcess waiting = TheRunningCopy();

    const CommandRun status = RunDorvik(L"/durum");
    EXPECT_EQ(status.printed, L"Kapatma: izlenen işlem (dorvik_bystander) bitince\r\n");
    EXPECT_FALSE(WaitUntil([] { return !WinebootStubCalls().empty(); }, Milliseconds(3'000)))
        << "the closing came while the process ran";

    work.Process().Kill();
    const Clock::time_point ended = Clock::now();
    ASSERT_TRUE(WaitUntil([] { return !WinebootStubCalls().empty(); }, Milliseconds(20'000)))
        << "no closing after the process ended";
    // The tick that sees it, "Hemen!"'s three seconds, the five seconds' wait, and the stub's start.
    EXPECT_LE(std::chrono::duration_cast<Milliseconds>(Clock::now() - ended).count(), 15'000);
    EXPECT_TRUE(HasSwitch(WinebootStubCalls().front(), L"--shutdown"));
}

// The processor's share comes from the host through Wine, where other tests run too: the busy program keeps
// every processor busy, well above a limit of 90 %, which the other tests' work alone does not reach for two
// seconds together.
TEST(QuietWinebootStub, SessizWaitsWhileAProgramKeepsTheProcessorsBusyAndClosesAMinuteAfterItStops)
{
    ASSERT_TRUE(WinebootStubActive());
    BystanderOptions render;
    render.windows = {{L"Render"}};
    render.busy = true;
    Bystander busy = Bystander::Start(render);
    const CommandRun armed = RunDorvik(L"/sessiz 1 /islemci 90");
    ASSERT_EQ(armed.exitCode, 0u) << Utf8(armed.printed);
    ChildProcess waiting = TheRunningCopy();

    EXPECT_FALSE(WaitUntil([] { return !WinebootStubCalls().empty(); }, Milliseconds(10'000)))
        << "the closing came while the processors were busy";
    const CommandRun status = RunDorvik(L"/durum");
    EXPECT_TRUE(status.printed.starts_with(L"Kapatma: bilgisayar 1 dk sessiz kalınca (0 sn oldu; işlemci %"))
        << Utf8(status.printed);

    busy.Process().Kill();
    const Clock::time_point stopped = Clock::now();
    ASSERT_TRUE(WaitUntil([] { return !WinebootStubCalls().empty(); }, Milliseconds(120'000)))
        << "no closing after the computer went quiet";
    // The quiet minute, "Hemen!"'s three seconds and the five seconds' wait; a burst of another test's work
    // can only start the minute again, never shorten it.
    const auto after = std::chrono::duration_cast<Milliseconds>(Clock::now() - stopped).count();
    // The two seconds' reading in which the program stopped may count as quiet already.
    EXPECT_GE(after, 64'000) << "closed before a whole quiet minute";
}

} // namespace
} // namespace dorvik::e2e
