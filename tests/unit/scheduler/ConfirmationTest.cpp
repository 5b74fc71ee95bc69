// The confirmation question for every kind and mode.
#include "scheduler/Confirmation.h"

#include <gtest/gtest.h>

namespace dorvik::scheduler
{
namespace
{

struct SentenceCase
{
    ScheduleMode mode;
    ClosingKind kind;
    const wchar_t* sentence;
    std::size_t blanks;
};

class ConfirmationFor : public testing::TestWithParam<SentenceCase>
{
};

TEST_P(ConfirmationFor, SentenceLineBreakAndQuestionIndentedByHalfTheSentence)
{
    const SentenceCase& c = GetParam();
    EXPECT_EQ(ConfirmationSentence(c.kind, c.mode), c.sentence);
    EXPECT_EQ(ConfirmationMessage(c.kind, c.mode),
              std::wstring(c.sentence) + L"\r\n" + std::wstring(c.blanks, L' ') + L"Emin misiniz?");
}

INSTANTIATE_TEST_SUITE_P(
    AllSix, ConfirmationFor,
    testing::Values(
        SentenceCase{ScheduleMode::Clock, ClosingKind::Shutdown,
                     L"Windows belirttiğiniz zamanda kapatılacaktır!", 22},
        SentenceCase{ScheduleMode::Clock, ClosingKind::Restart,
                     L"Windows belirttiğiniz zamanda yeniden başlatılacaktır!", 27},
        SentenceCase{ScheduleMode::Clock, ClosingKind::LogOff,
                     L"Oturumunuz belirttiğiniz zamanda kapatılacaktır!", 24},
        SentenceCase{ScheduleMode::Application, ClosingKind::Shutdown,
                     L"Windows belirttiğiniz program kapatıldığı zaman ve belirttiğiniz kadar süre geçince "
                     L"kapatılacaktır!",
                     49},
        SentenceCase{
            ScheduleMode::Application, ClosingKind::Restart,
            L"Windows belirttiğiniz program kapatıldığı zaman ve belirttiğiniz kadar süre geçince yeniden "
            L"başlatılacaktır!",
            54},
        SentenceCase{
            ScheduleMode::Application, ClosingKind::LogOff,
            L"Oturumunuz belirttiğiniz program kapatıldığı zaman ve belirttiğiniz kadar süre geçince "
            L"kapatılacaktır!",
            51}));

} // namespace
} // namespace dorvik::scheduler
