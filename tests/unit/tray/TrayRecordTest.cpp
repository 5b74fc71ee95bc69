// The tray record's fields, the decoding of the callback's x coordinate, and adding the icon patiently.
#include "tray/TrayRecord.h"

#include <gtest/gtest.h>

#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeEventPump.h"
#include "platform/fake/FakeServices.h"
#include "tray/TrayPresence.h"

namespace dorvik::tray
{
namespace
{

using platform::TrayMessage;
using namespace std::chrono_literals;

TEST(MakeTepsiKaydi, FillsEveryFieldTheShellReads)
{
    const auto form = static_cast<platform::WindowId>(0x5678);
    const platform::NotifyIconData record = MakeTepsiKaydi(form, platform::IconId::Dorvik, L"Dorvik! V1.0");
    EXPECT_EQ(record.hWnd, form);
    EXPECT_EQ(record.uID, 1u);
    EXPECT_EQ(record.uFlags, 7u);
    EXPECT_EQ(record.uCallbackMessage, 512u);
    EXPECT_EQ(record.hIcon, platform::IconId::Dorvik);
    EXPECT_EQ(record.szTip, L"Dorvik! V1.0");
}

struct DecodeCase
{
    double x;
    bool inTwips;
    double twipsPerPixel;
    int expected;
};

class DecodeCallbackXOf : public testing::TestWithParam<DecodeCase>
{
};

TEST_P(DecodeCallbackXOf, GivesTheMouseMessageInPixels)
{
    EXPECT_EQ(DecodeCallbackX(GetParam().x, GetParam().inTwips, GetParam().twipsPerPixel),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(PixelsAndTwips, DecodeCallbackXOf,
                         testing::Values(DecodeCase{514, false, 15, 514}, DecodeCase{517, false, 15, 517},
                                         DecodeCase{7710, true, 15, 514}, DecodeCase{7755, true, 15, 517},
                                         // 150 % scaling: 10 twips to the pixel.
                                         DecodeCase{5140, true, 10, 514}, DecodeCase{5170, true, 10, 517},
                                         // Halves go to the even neighbour.
                                         DecodeCase{514.5, false, 15, 514}, DecodeCase{515.5, false, 15, 516},
                                         DecodeCase{7717.5, true, 15, 514}, DecodeCase{0, true, 0, 0}));

struct PatientAddCase
{
    const char* name;
    int refusals;
    bool added;
    int adds;
    std::chrono::milliseconds waited;
};

class AddPatiently : public testing::TestWithParam<PatientAddCase>
{
};

// The shell refuses while it is starting: each refusal is tried again after a pause that doubles, with
// events handled meanwhile, until a few seconds have passed.
TEST_P(AddPatiently, TriesAgainWithGrowingPausesThenGivesUp)
{
    const PatientAddCase& c = GetParam();
    platform::FakeClock clock;
    platform::FakeEventPump events(clock);
    platform::FakeTray shell;
    shell.refuseAdds = c.refusals;
    TrayPresence presence(shell, clock, events);
    bool handledMeanwhile = false;
    events.Schedule(std::chrono::milliseconds(100), [&] { handledMeanwhile = true; });

    EXPECT_EQ(presence.AddPatiently(MakeTepsiKaydi({}, platform::IconId::DorvikSet, L"Dorvik! V1.0")),
              c.added);

    EXPECT_EQ(presence.IconPresent(), c.added);
    EXPECT_EQ(static_cast<int>(shell.Calls().size()), c.adds);
    EXPECT_EQ(events.Waited(), c.waited);
    EXPECT_EQ(handledMeanwhile, c.refusals > 0);
}

INSTANTIATE_TEST_SUITE_P(Refusals, AddPatiently,
                         testing::Values(PatientAddCase{"AcceptedAtOnce", 0, true, 1, 0ms},
                                         PatientAddCase{"AcceptedAtTheThirdTry", 2, true, 3, 750ms},
                                         PatientAddCase{"NeverAccepted", 99, false, 5, 3750ms}),
                         [](const testing::TestParamInfo<PatientAddCase>& param) {
                             return std::string(param.param.name);
                         });

TEST(TrayPresence, AnIconAlreadyThereTakesTheNewColourInstead)
{
    platform::FakeClock clock;
    platform::FakeEventPump events(clock);
    platform::FakeTray shell;
    TrayPresence presence(shell, clock, events);
    presence.Notify(TrayMessage::Add, MakeTepsiKaydi({}, platform::IconId::Dorvik, L"Dorvik! V1.0"));

    EXPECT_TRUE(presence.AddPatiently(MakeTepsiKaydi({}, platform::IconId::DorvikSet, L"Dorvik! V1.0")));

    EXPECT_EQ(shell.Calls().back().message, TrayMessage::Modify);
    EXPECT_EQ(shell.ShownIcon(), platform::IconId::DorvikSet);
}

} // namespace
} // namespace dorvik::tray
