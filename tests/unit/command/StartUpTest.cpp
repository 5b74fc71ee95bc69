// What a new copy does with its command line before it makes a window: answer at once, hand the request to
// the copy already running, or go on to its own window.
#include "command/StartUp.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

#include "command/Payload.h"
#include "platform/fake/FakeServices.h"

namespace dorvik::command
{
namespace
{

using platform::OutputStream;

struct StartCase
{
    const char* name;
    std::vector<std::wstring> arguments;
    bool copyRunning;
    std::optional<int> runningCopyAnswers;
    std::optional<ExitCode> expected; // nothing: this copy goes on to its window
    bool handedOn;
    std::optional<OutputStream> printedTo;
    std::wstring printed; // a fragment of what was printed
    std::wstring runningCopyText = L"";
    bool usersDesktop = true;
    bool waitingCopyStarts = true;
    platform::HandOver handOver = platform::HandOver::Answered;
    int waitingCopiesStarted = 0;
    bool takenOverMeanwhile = false;
    int waitsForTheWaitingCopy = 0;
    platform::HandOver notAnswered = platform::HandOver::NoAnswer;
};

class StartUp : public testing::TestWithParam<StartCase>
{
};

TEST_P(StartUp, AnswersBeforeTheWindowOrGoesOn)
{
    const StartCase& c = GetParam();
    platform::FakeInstance instance;
    instance.previous = c.copyRunning;
    instance.runningCopyAnswer = c.runningCopyAnswers;
    instance.runningCopyText = c.runningCopyText;
    instance.usersDesktop = c.usersDesktop;
    instance.waitingCopyStarts = c.waitingCopyStarts;
    instance.handOver = c.handOver;
    instance.takenOverMeanwhile = c.takenOverMeanwhile;
    instance.notAnswered = c.notAnswered;
    platform::FakeOutput output;
    platform::FakeEventLog log;
    const Request request = ParseCommandLine(c.arguments);

    std::optional<ExitCode> answer = AnswerAtOnce(request, c.arguments, output, log);
    if (!answer)
    {
        answer = AnswerThroughRunningCopy(request, c.arguments, instance, output, log);
    }

    EXPECT_EQ(answer, c.expected);
    ASSERT_EQ(instance.handed.size(), c.handedOn ? 1u : 0u);
    if (c.handedOn)
    {
        EXPECT_EQ(DecodeArguments(instance.handed[0]), c.arguments) << "handed on as given";
    }
    EXPECT_EQ(instance.waitingCopiesStarted, c.waitingCopiesStarted);
    EXPECT_EQ(instance.waitsForTheWaitingCopy, c.waitsForTheWaitingCopy);
    if (request.action == Action::Status || request.action == Action::Cancel ||
        request.action == Action::Postpone)
    {
        EXPECT_EQ(instance.placesTaken, 0) << "a copy that only asks or cancels took the program's place";
    }
    ASSERT_EQ(output.printed.size(), c.printedTo ? 1u : 0u);
    if (c.printedTo)
    {
        EXPECT_EQ(output.printed[0].stream, *c.printedTo);
        EXPECT_NE(output.printed[0].text.find(c.printed), std::wstring::npos)
            << testing::PrintToString(output.printed[0].text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Requests, StartUp,
    testing::Values(
        StartCase{"NoArgumentsOpensTheWindow", {}, true, 0, std::nullopt, false, std::nullopt, L""},
        StartCase{"UsageTouchesNoCopy",
                  {L"/?"},
                  true,
                  0,
                  ExitCode::Done,
                  false,
                  OutputStream::Output,
                  L"Kullanım:"},
        StartCase{"UsageErrorTouchesNoCopy",
                  {L"/saat", L"25:00"},
                  true,
                  0,
                  ExitCode::UsageError,
                  false,
                  OutputStream::Error,
                  L"'25:00'"},
        StartCase{.name = "ArmingWithoutACopyStartsTheWaitingCopyAndHandsItOn",
                  .arguments = {L"/r", L"/hemen"},
                  .copyRunning = false,
                  .runningCopyAnswers = 0,
                  .expected = ExitCode::Done,
                  .handedOn = true,
                  .printedTo = std::nullopt,
                  .printed = L"",
                  .waitingCopiesStarted = 1},
        StartCase{.name = "WaitingCopyRefusesAndIsGone",
                  .arguments = {L"/program", L"Hesap"},
                  .copyRunning = false,
                  .runningCopyAnswers = 3,
                  .expected = ExitCode::NoSuchWindow,
                  .handedOn = true,
                  .printedTo = OutputStream::Error,
                  .printed = L"'Hesap'",
                  .waitingCopiesStarted = 1,
                  .waitsForTheWaitingCopy = 1},
        StartCase{.name = "WaitingCopyArmedByAnotherCallerFirstStays",
                  .arguments = {L"/sonra", L"5"},
                  .copyRunning = false,
                  .runningCopyAnswers = 4,
                  .expected = ExitCode::AlreadyArmed,
                  .handedOn = true,
                  .printedTo = OutputStream::Error,
                  .printed = L"Zaten kurulu",
                  .waitingCopiesStarted = 1},
        StartCase{.name = "NoWaitingCopyStartsButAnotherCopyTookOver",
                  .arguments = {L"/r", L"/hemen"},
                  .copyRunning = false,
                  .runningCopyAnswers = 0,
                  .expected = ExitCode::Done,
                  .handedOn = true,
                  .printedTo = std::nullopt,
                  .printed = L"",
                  .waitingCopyStarts = false,
                  .waitingCopiesStarted = 1,
                  .takenOverMeanwhile = true},
        StartCase{.name = "StatusWithoutItsLineDidNotComeThrough",
                  .arguments = {L"/durum"},
                  .copyRunning = true,
                  .runningCopyAnswers = 0,
                  .expected = ExitCode::OutcomeUnknown,
                  .handedOn = true,
                  .printedTo = OutputStream::Error,
                  .printed = L"zamanında yanıt vermedi"},
        StartCase{.name = "ArmingGoesOnWhenNoWaitingCopyStarts",
                  .arguments = {L"/r", L"/hemen"},
                  .copyRunning = false,
                  .runningCopyAnswers = 0,
                  .expected = std::nullopt,
                  .handedOn = false,
                  .printedTo = std::nullopt,
                  .printed = L"",
                  .waitingCopyStarts = false,
                  .waitingCopiesStarted = 1},
        StartCase{"WaitingCopyGoesOn", {L"/bekle"}, false, 0, std::nullopt, false, std::nullopt, L""},
        StartCase{"WaitingCopyLeavesTheRequestToACopyThatTookOver",
                  {L"/bekle"},
                  true,
                  0,
                  ExitCode::Done,
                  false,
                  std::nullopt,
                  L""},
        StartCase{.name = "NobodySeesTheDesktop",
                  .arguments = {L"/saat", L"23:30"},
                  .copyRunning = false,
                  .runningCopyAnswers = 0,
                  .expected = ExitCode::NotOnUsersDesktop,
                  .handedOn = false,
                  .printedTo = OutputStream::Error,
                  .printed = L"Dorvik! yalnızca oturum açmış kullanıcının masaüstünde çalışır.",
                  .usersDesktop = false},
        StartCase{.name = "NobodySeesTheDesktopNotEvenTheWindow",
                  .arguments = {},
                  .copyRunning = false,
                  .runningCopyAnswers = 0,
                  .expected = ExitCode::NotOnUsersDesktop,
                  .handedOn = false,
                  .printedTo = OutputStream::Error,
                  .printed = L"kullanıcının masaüstünde",
                  .usersDesktop = false},
        StartCase{
            .name = "RunningCopyIsElevated",
            .arguments = {L"/iptal"},
            .copyRunning = true,
            .runningCopyAnswers = 0,
            .expected = ExitCode::RunningCopyElevated,
            .handedOn = true,
            .printedTo = OutputStream::Error,
            .printed = L"Çalışan Dorvik! yönetici olarak çalışıyor: bu komutu da yönetici olarak çalıştırın.",
            .handOver = platform::HandOver::NoRights},
        StartCase{"CancelWithoutACopy",
                  {L"/iptal"},
                  false,
                  0,
                  ExitCode::NothingToCancel,
                  false,
                  OutputStream::Error,
                  L"İptal edilecek"},
        StartCase{
            "ArmingHandedToTheCopy", {L"/saat", L"23:30"}, true, 0, ExitCode::Done, true, std::nullopt, L""},
        StartCase{"RunningCopyAlreadyArmed",
                  {L"/sonra", L"60"},
                  true,
                  4,
                  ExitCode::AlreadyArmed,
                  true,
                  OutputStream::Error,
                  L"Zaten kurulu"},
        StartCase{"RunningCopyKnowsNoSuchWindow",
                  {L"/program", L"Hesap"},
                  true,
                  3,
                  ExitCode::NoSuchWindow,
                  true,
                  OutputStream::Error,
                  L"'Hesap'"},
        StartCase{"StatusWithoutACopy",
                  {L"/durum"},
                  false,
                  0,
                  ExitCode::NothingToCancel,
                  false,
                  OutputStream::Output,
                  L"Kurulu kapama yok."},
        StartCase{"StatusOfTheRunningCopy",
                  {L"/durum"},
                  true,
                  0,
                  ExitCode::Done,
                  true,
                  OutputStream::Output,
                  L"Kapatma 23:30:00 (1 sa 12 dk kaldı)",
                  L"Kapatma 23:30:00 (1 sa 12 dk kaldı)"},
        StartCase{"PostponeWithoutACopy",
                  {L"/ertele", L"10"},
                  false,
                  0,
                  ExitCode::NothingToCancel,
                  false,
                  OutputStream::Error,
                  L"Ertelenecek kurulu bir kapama yok."},
        StartCase{"PostponeNamesTheNewMoment",
                  {L"/ertele", L"10"},
                  true,
                  0,
                  ExitCode::Done,
                  true,
                  OutputStream::Output,
                  L"Kapatma 23:40:00 (1 sa 22 dk kaldı)",
                  L"Kapatma 23:40:00 (1 sa 22 dk kaldı)"},
        StartCase{"StatusOfACopyWithNothingArmed",
                  {L"/durum"},
                  true,
                  2,
                  ExitCode::NothingToCancel,
                  true,
                  OutputStream::Output,
                  L"Kurulu kapama yok."},
        // Handed over, the request may still be carried out: never "busy".
        StartCase{"RunningCopyDoesNotAnswer",
                  {L"/iptal"},
                  true,
                  std::nullopt,
                  ExitCode::OutcomeUnknown,
                  true,
                  OutputStream::Error,
                  L"istek yine de yerine getirilebilir"},
        StartCase{.name = "WaitingCopyNeverGotReady",
                  .arguments = {L"/sonra", L"30"},
                  .copyRunning = false,
                  .runningCopyAnswers = std::nullopt,
                  .expected = ExitCode::Busy,
                  .handedOn = true,
                  .printedTo = OutputStream::Error,
                  .printed = L"biraz sonra yeniden deneyin",
                  .waitingCopiesStarted = 1,
                  .notAnswered = platform::HandOver::NotFound}),
    [](const testing::TestParamInfo<StartCase>& param) { return std::string(param.param.name); });

} // namespace
} // namespace dorvik::command
