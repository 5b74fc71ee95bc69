// The armed closing in one line: each kind, each mode, the time left in hours, minutes or seconds, and the
// forms of a closing still waiting for its window.
#include "scheduler/ArmedStatus.h"

#include <gtest/gtest.h>

namespace dorvik::scheduler
{
namespace
{

using namespace std::chrono_literals;
using enum ClosingKind;

constexpr LocalSeconds kNow = LocalSeconds(LocalDays(2026y / 12 / 9)) + 22h + 18min;
constexpr Elapsed kElapsedNow{5'000'000};

struct StatusCase
{
    const char* name;
    StatusFacts closing;
    const wchar_t* expected;
};

StatusFacts At(ClosingKind kind, TimeOfDay time)
{
    return {kind, false, std::nullopt, TargetAt(kNow, time)};
}

StatusFacts In(ClosingKind kind, std::chrono::milliseconds delay)
{
    const Target target = TargetAfter(kNow, kElapsedNow, std::chrono::ceil<std::chrono::seconds>(delay));
    return {kind, false, std::nullopt, {target.day, target.time, kElapsedNow + delay}};
}

StatusFacts Waiting(ClosingKind kind, Moment after)
{
    return {kind, false, after, {}};
}

StatusFacts Following(StatusFacts closing, Awaiting awaiting)
{
    closing.awaiting = std::move(awaiting);
    return closing;
}

const Awaiting kSevenZip{Awaited::Process, L"7z.exe", std::nullopt};

Awaiting QuietOf(std::wstring process, std::chrono::milliseconds quietFor, std::optional<int> percent,
                 std::optional<std::uint64_t> kilobytes)
{
    return {Awaited::Quiet, std::move(process), QuietProgress{5min, quietFor, percent, kilobytes}};
}

StatusFacts Rehearsed(StatusFacts closing)
{
    closing.rehearsal = true;
    return closing;
}

class ArmedStatusLineOf : public testing::TestWithParam<StatusCase>
{
};

TEST_P(ArmedStatusLineOf, SaysTheKindTheMomentAndTheTimeLeft)
{
    const StatusCase& c = GetParam();
    const std::wstring line = ArmedStatusLine(c.closing, kNow, kElapsedNow);
    EXPECT_EQ(line, c.expected);
    EXPECT_LE(line.size() + std::wstring_view(L"Dorvik! V1.0\n").size(), 127u) << "longer than a tip holds";
}

INSTANTIATE_TEST_SUITE_P(
    Closings, ArmedStatusLineOf,
    testing::Values(
        StatusCase{"ShutdownHoursAndMinutes", At(Shutdown, {23, 30, 0}),
                   L"Kapatma 23:30:00 (1 sa 12 dk kaldı)"},
        StatusCase{"RestartMinutes", In(Restart, 8min), L"Yeniden başlatma 22:26:00 (8 dk kaldı)"},
        StatusCase{"LogOffSeconds", In(LogOff, 45s), L"Oturum kapatma 22:18:45 (45 sn kaldı)"},
        StatusCase{"WholeHours", In(Shutdown, 2h), L"Kapatma 00:18:00 (2 sa kaldı)"},
        StatusCase{"PartOfASecondCountsWhole", In(Shutdown, 59'500ms), L"Kapatma 22:19:00 (1 dk kaldı)"},
        StatusCase{"MinutesRoundedDown", In(Shutdown, 8min + 59s), L"Kapatma 22:26:59 (8 dk kaldı)"},
        StatusCase{"TomorrowsTimeOfDay", At(Restart, {7, 5, 0}),
                   L"Yeniden başlatma 07:05:00 (8 sa 47 dk kaldı)"},
        StatusCase{"PassedTarget",
                   {Shutdown, false, std::nullopt, {LocalDays(2026y / 12 / 9), {22, 10, 0}, std::nullopt}},
                   L"Kapatma 22:10:00 (0 sn kaldı)"},
        StatusCase{"Sleep", At(Sleep, {23, 30, 0}), L"Uyku 23:30:00 (1 sa 12 dk kaldı)"},
        StatusCase{"Hibernate", In(Hibernate, 8min), L"Hazırda bekletme 22:26:00 (8 dk kaldı)"},
        StatusCase{"Rehearsal", Rehearsed(At(Restart, {23, 30, 0})),
                   L"Deneme: Yeniden başlatma 23:30:00 (1 sa 12 dk kaldı)"},
        StatusCase{"RehearsalWaitingForTheWindow", Rehearsed(Waiting(Shutdown, {30min, std::nullopt})),
                   L"Deneme: Kapatma: izlenen pencere kapandıktan 30 dk sonra"},
        StatusCase{"WhenTheProcessEnds", Following(Waiting(Shutdown, {3s, std::nullopt}), kSevenZip),
                   L"Kapatma: izlenen işlem (7z.exe) bitince"},
        StatusCase{"DelayAfterTheProcess", Following(Waiting(Sleep, {30min, std::nullopt}), kSevenZip),
                   L"Uyku: izlenen işlem (7z.exe) bittikten 30 dk sonra"},
        StatusCase{"TimeOfDayAfterTheProcess",
                   Following(Waiting(Restart, {0s, TimeOfDay{6, 0, 0}}), kSevenZip),
                   L"Yeniden başlatma: izlenen işlem (7z.exe) bittikten sonra saat 06:00:00"},
        StatusCase{"QuietComputerSoFar",
                   Following(Waiting(Shutdown, {3s, std::nullopt}), QuietOf(L"", 130s, 3, 12)),
                   L"Kapatma: bilgisayar 5 dk sessiz kalınca (2 dk 10 sn oldu; işlemci %3, ağ 12 KB/sn)"},
        StatusCase{
            "QuietNotYetMeasured",
            Following(Waiting(Shutdown, {3s, std::nullopt}), QuietOf(L"", 0s, std::nullopt, std::nullopt)),
            L"Kapatma: bilgisayar 5 dk sessiz kalınca (0 sn oldu)"},
        StatusCase{"QuietProcessThenAnHour",
                   Following(Waiting(Hibernate, {1h, std::nullopt}), QuietOf(L"ffmpeg", 4min, 0, 0)),
                   L"Hazırda bekletme: ffmpeg 5 dk sessiz kaldıktan 1 sa sonra (4 dk oldu; işlemci %0, G/Ç 0 "
                   L"KB/sn)"},
        StatusCase{"WhenTheWindowGoes", Waiting(Shutdown, {3s, std::nullopt}),
                   L"Kapatma: izlenen pencere kapanınca"},
        StatusCase{"DelayAfterTheWindow", Waiting(Shutdown, {30min, std::nullopt}),
                   L"Kapatma: izlenen pencere kapandıktan 30 dk sonra"},
        StatusCase{"HoursAfterTheWindow", Waiting(LogOff, {2h, std::nullopt}),
                   L"Oturum kapatma: izlenen pencere kapandıktan 2 sa sonra"},
        StatusCase{"TimeOfDayAfterTheWindow", Waiting(Restart, {0s, TimeOfDay{18, 0, 0}}),
                   L"Yeniden başlatma: izlenen pencere kapandıktan sonra saat 18:00:00"}),
    [](const testing::TestParamInfo<StatusCase>& param) { return std::string(param.param.name); });

} // namespace
} // namespace dorvik::scheduler
