// The command line: every switch and alias, both prefixes, case, each value form and each usage error.
#include "command/CommandLine.h"

#include <gtest/gtest.h>
#include <ostream>
#include <utility>
#include <vector>

#include "platform/fake/FakeServices.h"

namespace dorvik::command
{
namespace
{

using enum scheduler::ClosingKind;

struct Row
{
    std::vector<std::wstring> arguments;
    Action action;
    ArmRequest arm;     // Action::Arm
    std::wstring named; // Action::Invalid: the argument at fault in quotes, and the start of its sentence
    ExitCode exitCode;
    std::chrono::minutes postpone{0}; // Action::Postpone
};

void PrintTo(const Row& row, std::ostream* os)
{
    *os << testing::PrintToString(row.arguments);
}

Row Gives(std::vector<std::wstring> arguments, Action action)
{
    return {std::move(arguments), action, {}, {}, ExitCode::Done};
}

Row Arms(std::vector<std::wstring> arguments, ArmRequest arm)
{
    return {std::move(arguments), Action::Arm, std::move(arm), {}, ExitCode::Done};
}

Row PutsOff(std::vector<std::wstring> arguments, int minutes)
{
    return {std::move(arguments), Action::Postpone, {}, {}, ExitCode::Done, std::chrono::minutes{minutes}};
}

Row Refuses(std::vector<std::wstring> arguments, std::wstring named)
{
    return {std::move(arguments), Action::Invalid, {}, std::move(named), ExitCode::UsageError};
}

ArmRequest Now(scheduler::ClosingKind kind)
{
    return {kind, MomentKind::Hemen, {}, {}, std::nullopt};
}

ArmRequest After(scheduler::ClosingKind kind, int minutes)
{
    return {kind, MomentKind::Sonra, std::chrono::minutes{minutes}, {}, std::nullopt};
}

ArmRequest At(scheduler::ClosingKind kind, std::uint8_t hour, std::uint8_t minute, std::uint8_t second)
{
    return {kind, MomentKind::Saat, {}, {hour, minute, second}, std::nullopt};
}

ArmRequest Watching(ArmRequest arm, std::wstring title)
{
    arm.program = std::move(title);
    return arm;
}

ArmRequest AfterProcess(ArmRequest arm, std::wstring process)
{
    arm.process = std::move(process);
    return arm;
}

ArmRequest Quiet(ArmRequest arm, int minutes, int processorPercent = 10, std::uint32_t kilobytes = 50)
{
    arm.quiet = std::chrono::minutes{minutes};
    arm.processorPercent = processorPercent;
    arm.kilobytesPerSecond = kilobytes;
    return arm;
}

ArmRequest Rehearsed(ArmRequest arm)
{
    arm.rehearsal = true;
    return arm;
}

class ParseCommandLineOf : public testing::TestWithParam<Row>
{
};

TEST_P(ParseCommandLineOf, GivesTheRequestAndItsExitCode)
{
    const Row& row = GetParam();
    const Request request = ParseCommandLine(row.arguments);
    EXPECT_EQ(request.action, row.action);
    if (row.action == Action::Arm)
    {
        EXPECT_EQ(request.arm, row.arm);
    }
    EXPECT_EQ(request.postpone, row.postpone);
    if (row.action == Action::Invalid)
    {
        EXPECT_NE(request.error.find(row.named), std::wstring::npos) << testing::PrintToString(request.error);
    }
    else
    {
        EXPECT_EQ(request.error, L"");
    }
    EXPECT_EQ(ExitCodeOf(request), row.exitCode);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ParseCommandLineOf,
    testing::Values(
        Gives({}, Action::OpenWindow), Gives({L"/?"}, Action::ShowUsage),
        // Asking for help always helps: after a fault, and even where a value was due.
        Gives({L"/bilinmez", L"-?"}, Action::ShowUsage),
        Gives({L"/kapat", L"/program", L"/?"}, Action::ShowUsage), Gives({L"/iptal"}, Action::Cancel),
        Gives({L"/A"}, Action::Cancel), Gives({L"-Iptal"}, Action::Cancel),
        Gives({L"/durum"}, Action::Status), Gives({L"-DURUM"}, Action::Status),
        Gives({L"/bekle"}, Action::AwaitCommand),

        Arms({L"/hemen"}, Now(Shutdown)), Arms({L"/kapat", L"/hemen"}, Now(Shutdown)),
        Arms({L"/s", L"/hemen"}, Now(Shutdown)), Arms({L"/yeniden", L"/hemen"}, Now(Restart)),
        Arms({L"/hemen", L"/r"}, Now(Restart)), Arms({L"/oturum", L"/hemen"}, Now(LogOff)),
        Arms({L"-l", L"-hemen"}, Now(LogOff)), Arms({L"/KAPAT", L"-HeMeN"}, Now(Shutdown)),
        Arms({L"/sonra", L"1"}, After(Shutdown, 1)), Arms({L"/sonra", L"1440"}, After(Shutdown, 1440)),
        Arms({L"-R", L"-SONRA", L"0090"}, After(Restart, 90)),
        Arms({L"/saat", L"7:05"}, At(Shutdown, 7, 5, 0)),
        Arms({L"/saat", L"07:05:00"}, At(Shutdown, 7, 5, 0)),
        Arms({L"/saat", L"0:00"}, At(Shutdown, 0, 0, 0)),
        Arms({L"/l", L"/Saat", L"23:59:59"}, At(LogOff, 23, 59, 59)),
        Arms({L"/program", L"Not Defteri"}, Watching(Now(Shutdown), L"Not Defteri")),
        Arms({L"/program", L"/x"}, Watching(Now(Shutdown), L"/x")),
        Arms({L"/r", L"/program", L"Belge - Yazar", L"/sonra", L"10"},
             Watching(After(Restart, 10), L"Belge - Yazar")),
        Arms({L"-PROGRAM", L"İşlem", L"/saat", L"22:30"}, Watching(At(Shutdown, 22, 30, 0), L"İşlem")),
        Arms({L"/uyku", L"/sonra", L"5"}, After(Sleep, 5)), Arms({L"/hazirda", L"/hemen"}, Now(Hibernate)),
        Arms({L"-H", L"/saat", L"23:30"}, At(Hibernate, 23, 30, 0)),
        Arms({L"/uyku", L"/program", L"İndirme"}, Watching(Now(Sleep), L"İndirme")),
        // A rehearsal comes at once unless a moment is given, of the default kind unless one is given.
        Arms({L"/deneme"}, Rehearsed(Now(Shutdown))),
        Arms({L"/deneme", L"/yeniden"}, Rehearsed(Now(Restart))),
        Arms({L"/deneme", L"/sonra", L"1"}, Rehearsed(After(Shutdown, 1))),
        Arms({L"/saat", L"7:05", L"-DENEME"}, Rehearsed(At(Shutdown, 7, 5, 0))),
        Arms({L"/deneme", L"/uyku", L"/program", L"X"}, Rehearsed(Watching(Now(Sleep), L"X"))),
        PutsOff({L"/ertele", L"10"}, 10), PutsOff({L"-ERTELE", L"1440"}, 1440),
        Arms({L"/surec", L"7z.exe"}, AfterProcess(Now(Shutdown), L"7z.exe")),
        Arms({L"/r", L"/PROCESS", L"1234", L"/sonra", L"10"}, AfterProcess(After(Restart, 10), L"1234")),
        Arms({L"/sessiz", L"5"}, Quiet(Now(Shutdown), 5)),
        Arms({L"/uyku", L"/surec", L"ffmpeg", L"/sessiz", L"240", L"/islemci", L"1", L"/ag", L"1000000"},
             Quiet(AfterProcess(Now(Sleep), L"ffmpeg"), 240, 1, 1'000'000)),
        Arms({L"/sessiz", L"1", L"/ag", L"100", L"/islemci", L"100", L"/saat", L"6:00"},
             Quiet(At(Shutdown, 6, 0, 0), 1, 100, 100)),

        Refuses({L"/bilinmez"}, L"'/bilinmez' tanınmayan"),
        Refuses({L"/hemen", L"yarın"}, L"'yarın' tanınmayan"),
        // Only ASCII letters fold: the dotted capital I is not an i.
        Refuses({L"/İPTAL"}, L"'/İPTAL' tanınmayan"), Refuses({L"-"}, L"'-' tanınmayan"),
        Refuses({L"/sonra"}, L"'/sonra' bir dakika"), Refuses({L"/kapat", L"-SAAT"}, L"'-SAAT' SS:DD"),
        Refuses({L"/Program"}, L"'/Program' bir pencere başlığı"),
        Refuses({L"/sonra", L"-5"}, L"'-5' geçerli bir dakika"),
        Refuses({L"/sonra", L"1.5"}, L"'1.5' geçerli bir dakika"),
        Refuses({L"/sonra", L""}, L"'' geçerli bir dakika"),
        Refuses({L"/sonra", L"0"}, L"'0' geçerli bir dakika"),
        Refuses({L"/sonra", L"1441"}, L"'1441' geçerli bir dakika"),
        Refuses({L"/sonra", L"99999999999999999999"}, L"'99999999999999999999' geçerli bir dakika"),
        Refuses({L"/saat", L"7:5"}, L"'7:5' geçerli bir saat"),
        Refuses({L"/saat", L"007:05"}, L"'007:05' geçerli bir saat"),
        Refuses({L"/saat", L"7"}, L"'7' geçerli bir saat"),
        Refuses({L"/saat", L"7:05:"}, L"'7:05:' geçerli bir saat"),
        Refuses({L"/saat", L"7.05"}, L"'7.05' geçerli bir saat"),
        Refuses({L"/saat", L"24:00"}, L"'24:00' geçerli bir saat"),
        Refuses({L"/saat", L"12:60"}, L"'12:60' geçerli bir saat"),
        Refuses({L"/saat", L"12:00:60"}, L"'12:00:60' geçerli bir saat"),
        Refuses({L"/program", L""}, L"'/program' boş olmayan"),
        Refuses({L"/kapat", L"/s", L"/hemen"}, L"'/s' ikinci bir kapama türü"),
        Refuses({L"/r", L"/r", L"/hemen"}, L"'/r' ikinci bir kapama türü"),
        Refuses({L"/hemen", L"/sonra", L"5"}, L"'/sonra' ikinci bir zaman"),
        Refuses({L"/saat", L"7:05", L"/hemen"}, L"'/hemen' ikinci bir zaman"),
        Refuses({L"/program", L"a", L"/program", L"b"}, L"'/program' ikinci kez"),
        Refuses({L"/yeniden"}, L"'/yeniden' tek başına"), Refuses({L"-L"}, L"'-L' tek başına"),
        Refuses({L"/iptal", L"/kapat"}, L"'/kapat' ile /iptal"),
        Refuses({L"/sonra", L"5", L"/a"}, L"'/sonra' ile /iptal"),
        Refuses({L"/durum", L"/iptal"}, L"'/iptal' ile /durum"),
        Refuses({L"/hemen", L"/durum"}, L"'/hemen' ile /durum"),
        Refuses({L"/bekle", L"/hemen"}, L"'/hemen' ile /bekle"),
        Refuses({L"/deneme", L"/deneme"}, L"'/deneme' ikinci kez"),
        Refuses({L"/deneme", L"/iptal"}, L"'/deneme' ile /iptal"),
        Refuses({L"/uyku", L"/hazirda", L"/hemen"}, L"'/hazirda' ikinci bir kapama türü"),
        Refuses({L"/ertele"}, L"'/ertele' bir dakika"),
        Refuses({L"/ertele", L"0"}, L"'0' geçerli bir dakika sayısı değil: /ertele 1 ile 1440"),
        Refuses({L"/ertele", L"5", L"/kapat"}, L"'/kapat' ile /ertele"),
        Refuses({L"/kapat", L"/ertele", L"5"}, L"'/kapat' ile /ertele"),
        Refuses({L"/surec"}, L"'/surec' bir işlem adı"), Refuses({L"/surec", L""}, L"'/surec' bir işlem adı"),
        Refuses({L"/surec", L"a", L"/process", L"b"}, L"'/process' ikinci kez"),
        Refuses({L"/program", L"X", L"/surec", L"Y"}, L"/program ile /surec"),
        Refuses({L"/sessiz", L"5", L"/program", L"X"}, L"/program ile /sessiz"),
        Refuses({L"/sessiz", L"0"}, L"'0' geçerli bir dakika sayısı değil: /sessiz 1 ile 240"),
        Refuses({L"/sessiz", L"241"}, L"'241' geçerli bir dakika"),
        Refuses({L"/sessiz", L"5", L"/islemci", L"101"}, L"'101' geçerli bir yüzde değil: /islemci"),
        Refuses({L"/sessiz", L"5", L"/ag", L"1000001"}, L"'1000001' geçerli bir KB/sn"),
        Refuses({L"/sessiz", L"5", L"/ag"}, L"'/ag' saniyede kaç KB"),
        Refuses({L"/islemci", L"20", L"/hemen"}, L"'/islemci' yalnızca /sessiz")));

TEST(RefuseWhatTheComputerCannotDo, RefusesHibernationAndSleepOnlyWhereTheComputerHasNone)
{
    platform::FakePower power;
    power.hibernationAllowed = false;
    Request hibernate = ParseCommandLine(std::vector<std::wstring>{L"/hazirda", L"/sonra", L"30"});
    RefuseWhatTheComputerCannotDo(hibernate, power);
    EXPECT_EQ(hibernate.action, Action::Invalid);
    EXPECT_EQ(hibernate.error, L"Bu bilgisayarda hazırda bekletme kapalı: /hazirda kurulamaz "
                               L"(\"powercfg /hibernate on\" ile açılabilir).");
    Request sleep = ParseCommandLine(std::vector<std::wstring>{L"/uyku", L"/hemen"});
    RefuseWhatTheComputerCannotDo(sleep, power);
    EXPECT_EQ(sleep.action, Action::Arm);
    power.sleepAllowed = false;
    RefuseWhatTheComputerCannotDo(sleep, power);
    EXPECT_TRUE(sleep.error.starts_with(L"Bu bilgisayar uyku moduna geçirilemiyor"));
    Request shutdown = ParseCommandLine(std::vector<std::wstring>{L"/kapat", L"/hemen"});
    RefuseWhatTheComputerCannotDo(shutdown, power);
    EXPECT_EQ(shutdown.action, Action::Arm);
}

TEST(CommandLineOutcome, NamesTheMissingWindowAndPassesTheUsageErrorOn)
{
    Request request;
    request.arm.program = L"Not Defteri";
    EXPECT_EQ(OutcomeMessage(ExitCode::NoSuchWindow, request),
              L"'Not Defteri' başlıklı bir pencere bulunamadı.");
    request.error = L"hata";
    EXPECT_EQ(OutcomeMessage(ExitCode::UsageError, request), L"hata");
    EXPECT_EQ(OutcomeMessage(ExitCode::Done, request), L"");
}

TEST(CommandLineUsage, BreaksEveryLineTheWindowsWayAndEndsWithOneBreak)
{
    const std::wstring usage = UsageText();
    EXPECT_TRUE(usage.starts_with(L"Kullanım:\r\n"));
    EXPECT_TRUE(usage.ends_with(L"8 istek iletildi ama yanıt gelmedi: sonucu bilinmiyor.\r\n"));
    for (std::size_t at = usage.find(L'\n'); at != std::wstring::npos; at = usage.find(L'\n', at + 1))
    {
        EXPECT_EQ(usage[at - 1], L'\r') << at;
    }
}

} // namespace
} // namespace dorvik::command
