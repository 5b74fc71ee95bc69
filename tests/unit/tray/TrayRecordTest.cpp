// The tray record's fields, the decoding of the callback's x coordinate, and the wish to show the icon.
#include "tray/TrayRecord.h"

#include <gtest/gtest.h>

#include "platform/fake/FakeServices.h"
#include "tray/TrayPresence.h"

namespace dorvik::tray
{
namespace
{

using platform::TrayMessage;

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

TEST(TrayPresence, WantsTheIconFromAddUntilDeleteWhateverTheShellAnswers)
{
    platform::FakeTray shell;
    shell.acceptAdd = false;
    TrayPresence presence(shell);
    const platform::NotifyIconData record = MakeTepsiKaydi({}, platform::IconId::DorvikSet, L"Dorvik! V1.0");

    EXPECT_FALSE(presence.IconWanted());
    EXPECT_FALSE(presence.Notify(TrayMessage::Add, record));
    EXPECT_TRUE(presence.IconWanted());
    presence.Notify(TrayMessage::Modify, record);
    EXPECT_TRUE(presence.IconWanted());
    presence.Notify(TrayMessage::Delete, record);
    EXPECT_FALSE(presence.IconWanted());
    EXPECT_EQ(shell.Calls().size(), 3u);
}

} // namespace
} // namespace dorvik::tray
