// A second copy of the program refuses to run: it warns in a message box of its own and ends, leaving the
// first copy alone.
#include <gtest/gtest.h>

#include "support/DorvikApp.h"
#include "support/MessageBoxes.h"
#include "support/Screen.h"
#include "support/Text.h"

namespace dorvik::e2e
{
namespace
{

// The main windows of every process: visible top-level windows with the caption that are not message boxes.
std::vector<Window> MainWindows()
{
    std::vector<Window> windows;
    for (const Window& window : VisibleTopLevelWindows(0))
    {
        if (!window.HasClass(L"#32770") && window.TryText() == kMainWindowTitle)
        {
            windows.push_back(window);
        }
    }
    return windows;
}

TEST(SingleInstance, SecondCopyWarnsWithAnExclamationBoxAndEnds)
{
    DorvikApp first = DorvikApp::Start();
    ChildProcess second = DorvikApp::StartProcess();

    const auto box = WaitForMessageBox(second.Pid(), kStartTimeout);
    ASSERT_TRUE(box) << "the second copy showed no message box"
                     << (second.ExitCode() ? " and ended with code " + std::to_string(*second.ExitCode())
                                           : "");
    SaveScreenshot(box->Box(), L"already-running");

    EXPECT_EQ(box->Text(), L"The program is already running...");
    EXPECT_EQ(box->Title(), L"Dorvik! V1.0");
    EXPECT_EQ(box->Icon(), StockIcon::Warning);
    EXPECT_EQ(box->ButtonIds(), std::vector<int>{IDOK});
    for (const Window& window : VisibleTopLevelWindows(second.Pid()))
    {
        EXPECT_TRUE(window.HasClass(L"#32770"))
            << "the second copy shows a window of its own besides the box";
    }

    box->Answer(IDOK);
    EXPECT_TRUE(second.WaitForExit(kUiTimeout).has_value()) << "the second copy still runs after OK";

    EXPECT_TRUE(first.Process().IsRunning());
    EXPECT_EQ(ProcessIdsByName(L"dorvik.exe"), std::vector<unsigned long>{first.Process().Pid()});
    EXPECT_EQ(MainWindows(), std::vector<Window>{first.Main()});
    EXPECT_FALSE(first.Main().IsMinimized()) << "the running copy is left as it was";
}

TEST(SingleInstance, TenCopiesStartedAtOnceLeaveExactlyOne)
{
    constexpr std::size_t kCopies = 10;
    std::vector<ChildProcess> copies;
    for (std::size_t i = 0; i < kCopies; ++i)
    {
        copies.push_back(DorvikApp::StartProcess());
    }

    // Every copy either shows its main window or warns; answering the warnings ends all but one.
    std::size_t answered = 0;
    const bool settled = WaitUntil(
        [&] {
            for (const ChildProcess& copy : copies)
            {
                for (const MessageBoxWindow& box : FindMessageBoxes(copy.Pid()))
                {
                    if (box.Text() == L"The program is already running...")
                    {
                        box.Answer(IDOK);
                        ++answered;
                    }
                }
            }
            return ProcessIdsByName(L"dorvik.exe").size() == 1 && MainWindows().size() == 1;
        },
        kStartTimeout);

    EXPECT_TRUE(settled) << ProcessIdsByName(L"dorvik.exe").size() << " copies and " << MainWindows().size()
                         << " main windows remain";
    EXPECT_GE(answered, kCopies - 1);
    const std::vector<Window> windows = MainWindows();
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(ProcessIdsByName(L"dorvik.exe"), std::vector<unsigned long>{windows.front().ProcessId()});
}

} // namespace
} // namespace dorvik::e2e
