// The last-minute window in a large font: the sentence wraps and pushes the buttons down, a caption widens or
// heightens its button, and the window grows to hold them; in the usual font it keeps its designed places.
#include "ui/CountdownLayout.h"

#include <gtest/gtest.h>
#include <string>

namespace dorvik
{
namespace
{

// The designed window at 96 DPI: 4800 x 1170 twips.
const CountdownPlaces kDesign{{8, 12, 312, 34}, {104, 44, 224, 69}, {232, 44, 312, 69}, 320, 78};
constexpr TextExtent kPadding{16, 8};

struct FitCase
{
    const char* name;
    // The sentence takes one line of 15 pixels from this width on, two lines below it.
    int oneLineFrom;
    TextExtent ertele;
    TextExtent vazgec;
    CountdownPlaces expected;
};

struct FitCountdownPlacesTest : testing::TestWithParam<FitCase>
{
};

TEST_P(FitCountdownPlacesTest, HoldsEveryTextUncut)
{
    const FitCase& c = GetParam();
    const CountdownTexts texts{.sentenceHeight = [&](int width) { return width >= c.oneLineFrom ? 15 : 30; },
                               .ertele = c.ertele,
                               .vazgec = c.vazgec,
                               .buttonPadding = kPadding};

    const CountdownPlaces fitted = FitCountdownPlaces(kDesign, texts);

    EXPECT_EQ(fitted, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, FitCountdownPlacesTest,
    testing::Values(
        FitCase{"UsualFontKeepsTheDesign", 300, {96, 15}, {44, 15}, kDesign},
        FitCase{"SentenceOnTwoLinesPushesTheButtonsDown",
                400,
                {96, 15},
                {44, 15},
                {{8, 12, 312, 42}, {104, 52, 224, 77}, {232, 52, 312, 77}, 320, 86}},
        // 8 + (250 + 16) + 8 + 80 + 8 = 370 pixels; the sentence, 354 wide there, takes one line again.
        FitCase{"WideCaptionWidensTheWindowAndTheSentence",
                350,
                {250, 15},
                {44, 15},
                {{8, 12, 362, 34}, {8, 44, 274, 69}, {282, 44, 362, 69}, 370, 78}},
        FitCase{"TallCaptionMakesBothButtonsTaller",
                300,
                {96, 15},
                {44, 24},
                {{8, 12, 312, 34}, {104, 44, 224, 76}, {232, 44, 312, 76}, 320, 85}}),
    [](const testing::TestParamInfo<FitCase>& param) { return std::string(param.param.name); });

} // namespace
} // namespace dorvik
