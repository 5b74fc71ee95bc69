// A closing that waits for the work to be done: a process to end (by its name, or held by its id), or the
// computer to go quiet; what arming refuses, and what the tip says meanwhile.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "command/Payload.h"
#include "support/Form1Harness.h"
#include "ui/TriggerWatch.h"

namespace dorvik::test
{
namespace
{

using namespace std::chrono_literals;
using command::ExitCode;

struct Form1WorkDone : testing::Test
{
    Form1WorkDone()
    {
        h.clock.Set({2026, 12, 7, 12, 0, 0});
        h.Start();
    }

    Form1Harness h;
};

struct NameCase
{
    const wchar_t* image;
    const wchar_t* asked;
    bool matches;
};

class ProcessNamed : public testing::TestWithParam<NameCase>
{
};

TEST_P(ProcessNamed, WithOrWithoutExeAndWithoutRegardToCase)
{
    EXPECT_EQ(ProcessNameMatches(GetParam().image, GetParam().asked), GetParam().matches);
}

INSTANTIATE_TEST_SUITE_P(Names, ProcessNamed,
                         testing::Values(NameCase{L"7z.exe", L"7z.exe", true},
                                         NameCase{L"7z.exe", L"7Z", true},
                                         NameCase{L"FFMPEG.EXE", L"ffmpeg.exe", true},
                                         NameCase{L"ffmpeg.exe", L"ffmpeg.ex", false},
                                         NameCase{L"7zG.exe", L"7z", false}, NameCase{L".exe", L".exe", true},
                                         NameCase{L"indir.exe", L"İNDİR", false}));

// Every process of the name counts, one started after the arming too; the closing comes once none runs.
TEST_F(Form1WorkDone, ProcessByNameClosesOnceNoneOfThatNameRuns)
{
    h.activity.running = {{100, L"7z.exe"}, {200, L"7z.exe"}, {300, L"explorer.exe"}};
    ASSERT_EQ(h.CopyData({L"/surec", L"7z"}), ExitCode::Done);
    EXPECT_EQ(*h.form.ArmedStatus(), L"Kapatma: izlenen işlem (7z) bitince");
    EXPECT_EQ(h.power.AwakeReason(), L"Dorvik: kapama kurulu, izlenen işlemin bitmesi bekleniyor");

    h.activity.End(100);
    EXPECT_FALSE(h.TickFor(30s));
    h.activity.running[400] = L"7Z.EXE";
    h.activity.End(200);
    EXPECT_FALSE(h.TickFor(30s));
    h.activity.End(400);
    const auto ended = h.clock.Monotonic();
    ASSERT_TRUE(h.TickFor(10s));
    EXPECT_LE(h.clock.Monotonic() - ended, 500ms + 3s + 5s) << "the tick, Hemen!'s three seconds, the wait";
}

// Held by a handle: the id given to another process afterwards neither keeps the closing waiting nor ends it.
TEST_F(Form1WorkDone, ProcessByIdIsHeldSoAReusedIdChangesNothing)
{
    h.activity.running = {{1234, L"kurulum.exe"}};
    ASSERT_EQ(h.CopyData({L"/surec", L"1234", L"/sonra", L"1"}), ExitCode::Done);
    EXPECT_EQ(*h.form.ArmedStatus(), L"Kapatma: izlenen işlem (1234) bittikten 1 dk sonra");
    EXPECT_FALSE(h.TickFor(10s));

    h.activity.End(1234);
    h.activity.running[1234] = L"baska.exe";
    h.form.Timer1_Tick();
    EXPECT_EQ(*h.form.ArmedStatus(), L"Kapatma 12:01:10 (1 dk kaldı)");
}

TEST_F(Form1WorkDone, ArmingRefusesAProcessThatDoesNotRunOrCannotBeWaitedFor)
{
    h.activity.running = {{4, L"System"}, {777, L"yonetici.exe"}};
    h.activity.protectedIds = {777};
    std::wstring said;
    EXPECT_EQ(h.CopyData({L"/surec", L"7z.exe"}, &said), ExitCode::NoSuchWindow);
    EXPECT_EQ(said, L"");
    EXPECT_EQ(h.CopyData({L"/surec", L"99"}, &said), ExitCode::NoSuchWindow);
    EXPECT_EQ(h.CopyData({L"/surec", L"777"}, &said), ExitCode::NoSuchWindow);
    EXPECT_EQ(
        said,
        L"'777' numaralı işlem izlenemiyor: Windows, Dorvik!'in onun bitişini beklemesine izin vermiyor.");
    h.activity.running[88] = L"hizmet.exe";
    h.activity.processes.busy.reset();
    EXPECT_EQ(h.CopyData({L"/surec", L"hizmet.exe", L"/sessiz", L"5"}, &said), ExitCode::NoSuchWindow);
    EXPECT_TRUE(said.starts_with(L"'hizmet.exe' işleminin ne kadar çalıştığı okunamıyor"))
        << "its quiet never comes";
    EXPECT_FALSE(h.modulum.KapamaAktif);
    EXPECT_TRUE(h.view.Checked(MenuItem::SaateGore)) << "a refused arming changed the window";
}

// A busy computer keeps the closing away; a quiet minute in a row brings it, and the tip says how far the
// quiet has come.
TEST_F(Form1WorkDone, QuietComputerClosesAfterItsMinutesInARowAndTheTipShowsHowFar)
{
    h.activity.interfaces = std::vector<platform::NetworkInterface>{{.up = true, .received = 0, .sent = 0}};
    h.activity.processors = 1;
    // Per half-second tick: the processor's share and the bytes of the network.
    std::uint64_t percent = 50;
    std::uint64_t bytes = 0;
    const auto load = [&] {
        *h.activity.computer.busy += std::uint64_t{50'000} * percent;
        *h.activity.computer.total += 5'000'000;
        (*h.activity.interfaces)[0].received += bytes;
    };
    ASSERT_EQ(h.CopyData({L"/sessiz", L"1"}), ExitCode::Done);

    for (int i = 0; i < 240; ++i)
    {
        load();
        h.clock.Advance(500ms);
        h.form.Timer1_Tick();
    }
    EXPECT_TRUE(h.modulum.KapamaAktif);
    EXPECT_EQ(*h.form.ArmedStatus(),
              L"Kapatma: bilgisayar 1 dk sessiz kalınca (0 sn oldu; işlemci %50, ağ 0 KB/sn)");

    percent = 3;
    bytes = 6144; // 12 KB/s
    const auto quietFrom = h.clock.Monotonic();
    for (int i = 0; i < 60; ++i)
    {
        load();
        h.clock.Advance(500ms);
        h.form.Timer1_Tick();
    }
    EXPECT_EQ(*h.form.ArmedStatus(),
              L"Kapatma: bilgisayar 1 dk sessiz kalınca (28 sn oldu; işlemci %3, ağ 12 KB/sn)");
    EXPECT_TRUE(h.power.Calls().empty());

    std::optional<std::chrono::milliseconds> began;
    for (int i = 0; i < 100 && !began; ++i)
    {
        load();
        h.clock.Advance(500ms);
        try
        {
            h.form.Timer1_Tick();
        }
        catch (const platform::ProgramEnded&)
        {
            began = h.clock.Monotonic();
        }
    }
    ASSERT_TRUE(began) << "no closing after a quiet minute";
    // The quiet minute, read every two seconds, Hemen!'s three seconds, and the five seconds' wait.
    EXPECT_GE(*began - quietFrom, 68s);
    EXPECT_LE(*began - quietFrom, 71s);
}

} // namespace
} // namespace dorvik::test
