// The kinds after which the program goes on: a sleep asked of Windows' power library with the warned minute
// before it, and a rehearsal that runs the whole road of a restart and asks for nothing.
#include <windows.h>

#include <chrono>
#include <gtest/gtest.h>
#include <shellapi.h>
#include <string>

#include "support/CommandLine.h"
#include "support/DorvikApp.h"
#include "support/Input.h"
#include "support/NotificationArea.h"
#include "support/Scheduling.h"
#include "support/Text.h"
#include "support/WinebootStub.h"

namespace dorvik::e2e
{
namespace
{

TEST(SleepPowrprofStub, UykuSonraBirWarnsThenSleepsAndTheProgramWakesIdle)
{
    ASSERT_TRUE(PowrprofStubActive());
    ASSERT_EQ(RunDorvik(L"/uyku /sonra 1").exitCode, 0u);
    ChildProcess process = TheRunningCopy();

    Window countdown;
    ASSERT_TRUE(countdown = WaitForCountdownWindow(process.Pid(), kStartTimeout));
    const std::wstring sentence = countdown.Descendant(static_cast<int>(ControlId::LblGeriSayim)).Text();
    EXPECT_TRUE(sentence.ends_with(L" saniye sonra uyku moduna geçecek.")) << Utf8(sentence);
    const CommandRun status = RunDorvik(L"/durum");
    EXPECT_TRUE(status.printed.starts_with(L"Uyku ")) << Utf8(status.printed);

    ASSERT_TRUE(WaitUntil([] { return !PowrprofStubCalls().empty(); }, Milliseconds(80'000)))
        << "no sleep was asked for";
    EXPECT_EQ(PowrprofStubCalls(),
              std::vector<std::wstring>{L"SetSuspendState hibernate=0 force=0 wakeEventsOff=0"});
    EXPECT_TRUE(WaitUntil([] { return TaskbarShows(ProgramIcon::Green); })) << "not idle after waking";
    EXPECT_TRUE(process.IsRunning());
    EXPECT_EQ(RunDorvik(L"/durum").exitCode, 2u) << "still armed after waking";
}

// Wine's balloon covers the icon while it shows: the colour is read from the window the balloon's click
// brings back.
TEST(RehearsalWinebootStub, DenemeYenidenTurnsRedWaitsAsksNothingAndSaysSo)
{
    ASSERT_TRUE(WinebootStubActive());
    ASSERT_EQ(RunDorvik(L"/deneme /yeniden").exitCode, 0u);
    ChildProcess process = TheRunningCopy();
    const Window main = WaitForTopLevelWindow(kMainWindowTitle, process.Pid());
    ASSERT_TRUE(main);

    ASSERT_TRUE(WaitUntil([] { return TaskbarShows(ProgramIcon::Red); }, kStartTimeout)) << "never red";
    std::optional<BalloonNotification> said;
    ASSERT_TRUE(WaitUntil([&] { return (said = ShownBalloon()).has_value(); }, Milliseconds(15'000)))
        << "the rehearsal did not say it was over";
    EXPECT_EQ(said->text, L"Deneme bitti: bilgisayar şimdi yeniden başlatılacaktı.");
    EXPECT_TRUE(WinebootStubCalls().empty()) << "a rehearsal asked Windows to restart";
    EXPECT_EQ(RunDorvik(L"/durum").exitCode, 2u) << "still armed after the rehearsal";

    SendTrayCallback(main, NIN_BALLOONUSERCLICK);
    ASSERT_TRUE(WaitUntil([&] { return main.IsVisible(); }));
    EXPECT_TRUE(WaitUntil([&] { return TitleBarShows(main, ProgramIcon::Green); }));
    EXPECT_TRUE(process.IsRunning());
}

} // namespace
} // namespace dorvik::e2e
