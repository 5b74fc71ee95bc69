// The program starts, shows its main window and ends when the window is closed.
#include <gtest/gtest.h>

#include "support/DorvikApp.h"
#include "support/Screen.h"

namespace dorvik::e2e
{
namespace
{

TEST(Smoke, StartsShowsItsMainWindowAndEndsWhenItIsClosed)
{
    DorvikApp app = DorvikApp::Start();

    ASSERT_TRUE(WaitUntil([&] { return app.Main().IsVisible(); })) << "the main window never became visible";
    SaveScreenshot(app.Main(), L"main-window");

    const auto exitCode = app.Close();
    EXPECT_TRUE(exitCode.has_value()) << "dorvik.exe still runs after its main window was closed";
    EXPECT_FALSE(app.Main().Exists());
}

} // namespace
} // namespace dorvik::e2e
