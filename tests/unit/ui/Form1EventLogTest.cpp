// What the Application log tells an administrator afterwards: one record for each arming, cancel,
// postponement and closing request, read as Event Viewer shows it, through the program's message table.
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

#include "command/Payload.h"
#include "support/Form1Harness.h"

namespace dorvik::test
{
namespace
{

using namespace std::chrono_literals;

// UTF-8, as the message table's source is written, to the UTF-16 the records hold.
std::wstring Wide(const std::string& utf8)
{
    std::wstring wide;
    for (std::size_t i = 0; i < utf8.size();)
    {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        unsigned code = length == 1 ? lead : lead & (0x7Fu >> length);
        for (int k = 1; k < length && i + static_cast<std::size_t>(k) < utf8.size(); ++k)
        {
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]) & 0x3Fu);
        }
        wide += static_cast<wchar_t>(code);
        i += static_cast<std::size_t>(length);
    }
    return wide;
}

// The message of each number in resources/messages.mc, as UTF-8.
std::string MessageTemplate(platform::EventId id)
{
    std::ifstream source(std::filesystem::path(DORVIK_SOURCE_DIR) / "resources" / "messages.mc");
    const std::string number = "MessageId=" + std::to_string(static_cast<int>(id));
    std::string line;
    bool inMessage = false;
    bool inText = false;
    std::string text;
    while (std::getline(source, line))
    {
        if (line == number)
        {
            inMessage = true;
        }
        else if (inMessage && line.starts_with("Language="))
        {
            inText = true;
        }
        else if (inText && line == ".")
        {
            return text;
        }
        else if (inText)
        {
            text += line;
        }
    }
    return "";
}

// The record as Event Viewer reads it: the message with its inserts in place.
std::wstring Shown(const platform::EventRecord& record)
{
    std::wstring shown = Wide(MessageTemplate(record.id));
    for (std::size_t i = 0; i < record.inserts.size(); ++i)
    {
        const std::wstring placeholder = L"%" + std::to_wstring(i + 1);
        if (const std::size_t at = shown.find(placeholder); at != std::wstring::npos)
        {
            shown.replace(at, placeholder.size(), record.inserts[i]);
        }
    }
    return shown;
}

struct RecordCase
{
    const char* name;
    std::function<void(Form1Harness&)> events;
    std::vector<std::wstring> shown; // every record written, in order, as shown
};

class RecordsOf : public testing::TestWithParam<RecordCase>
{
};

TEST_P(RecordsOf, ShowWhatHappenedWhenAndFromWhere)
{
    Form1Harness h;
    h.clock.Set({2026, 12, 7, 12, 0, 0});
    h.Start();
    h.activity.running = {{77, L"7z.exe"}};

    try
    {
        GetParam().events(h);
    }
    catch (const platform::ProgramEnded&)
    {
    }

    std::vector<std::wstring> shown;
    for (const platform::EventRecord& record : h.eventLog.records)
    {
        shown.push_back(Shown(record));
    }
    EXPECT_EQ(shown, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Events, RecordsOf,
    testing::Values(
        RecordCase{"ArmedInTheWindow",
                   [](Form1Harness& h) {
                       h.view.UserSelectOption(2);
                       h.form.BtnDorvik_Click();
                   },
                   {L"Kapatma kuruldu: 13:00:00 (pencere)"}},
        RecordCase{"RehearsedSleepArmedFromTheCommandLine",
                   [](Form1Harness& h) {
                       h.CopyData({L"/deneme", L"/uyku", L"/saat", L"23:30"});
                   },
                   {L"Deneme: Uyku kuruldu: 23:30:00 (komut satırı)"}},
        RecordCase{"ArmedToFollowAProcess",
                   [](Form1Harness& h) {
                       h.CopyData({L"/surec", L"7z.exe", L"/sonra", L"30"});
                   },
                   {L"Kapatma kuruldu: izlenen işlem (7z.exe) bittikten 30 dk sonra (komut satırı)"}},
        RecordCase{
            "CancelledInTheLastMinuteWindow",
            [](Form1Harness& h) {
                h.CopyData({L"/sonra", L"1"});
                h.form.Timer1_Tick();
                h.Countdown().BtnVazgec_Click();
            },
            {L"Kapatma kuruldu: 12:01:00 (komut satırı)", L"Kapatma iptal edildi (son dakika penceresi)"}},
        RecordCase{"CancelledFromTheCommandLine",
                   [](Form1Harness& h) {
                       h.CopyData({L"/yeniden", L"/sonra", L"5"});
                       h.CopyData({L"/iptal"});
                   },
                   {L"Yeniden başlatma kuruldu: 12:05:00 (komut satırı)",
                    L"Yeniden başlatma iptal edildi (komut satırı)"}},
        RecordCase{"CancelledBySwitchingTheModeInTheWindow",
                   [](Form1Harness& h) {
                       h.view.UserSelectOption(1);
                       h.form.BtnDorvik_Click();
                       h.form.ProgramaGore_Click();
                   },
                   {L"Kapatma kuruldu: 12:30:00 (pencere)", L"Kapatma iptal edildi (pencere)"}},
        RecordCase{"LeftWhileArmed",
                   [](Form1Harness& h) {
                       h.CopyData({L"/oturum", L"/sonra", L"5"});
                       h.form.mPopExit_Click();
                   },
                   {L"Oturum kapatma kuruldu: 12:05:00 (komut satırı)",
                    L"Oturum kapatma iptal edildi (programdan çıkıldı)"}},
        RecordCase{"PutOffFromTheCommandLineAndAfterStandingStill",
                   [](Form1Harness& h) {
                       h.CopyData({L"/sonra", L"2"});
                       h.CopyData({L"/ertele", L"10"});
                       h.clock.Advance(12min);
                       h.form.Timer1_Tick();
                   },
                   {L"Kapatma kuruldu: 12:02:00 (komut satırı)",
                    L"Kapatma ertelendi: 12:12:00 (komut satırı)",
                    L"Kapatma ertelendi: 12:13:00 (bilgisayar ya da program durduktan sonra)"}},
        RecordCase{"Requested",
                   [](Form1Harness& h) {
                       h.CopyData({L"/hemen"});
                       h.TickFor(10s);
                   },
                   {L"Kapatma kuruldu: 12:00:03 (komut satırı)", L"Kapatma Windows'tan istendi."}},
        RecordCase{"RequestRefused",
                   [](Form1Harness& h) {
                       h.power.exitFailure = platform::PowerOutcome{false, L"Access is denied."};
                       h.CopyData({L"/r", L"/hemen"});
                       h.TickFor(10s);
                   },
                   {L"Yeniden başlatma kuruldu: 12:00:03 (komut satırı)",
                    L"Yeniden başlatma Windows'tan istenemedi: Access is denied."}},
        RecordCase{"Rehearsed",
                   [](Form1Harness& h) {
                       h.CopyData({L"/deneme"});
                       h.TickFor(10s);
                   },
                   {L"Deneme: Kapatma kuruldu: 12:00:03 (komut satırı)",
                    L"Deneme bitti: Kapatma Windows'tan istenmedi."}}),
    [](const testing::TestParamInfo<RecordCase>& param) { return std::string(param.param.name); });

} // namespace
} // namespace dorvik::test
