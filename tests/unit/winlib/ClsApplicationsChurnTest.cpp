// Hostile desktops for the window listing and lookup: a desktop that changes between every two calls.
// Nothing may crash or hang, and a watched window that stays put is always answered right.
#include <gtest/gtest.h>
#include <random>
#include <vector>

#include "platform/fake/FakeWindowSystem.h"
#include "winlib/ClsApplications.h"

namespace dorvik::winlib
{
namespace
{

using platform::FakeCall;
using platform::FakeWindowSystem;
using platform::WindowId;

class RecordingList final : public IListControl
{
public:
    void Clear() override { entries = 0; }

    void AddItem(std::wstring_view) override { ++entries; }

    int NewIndex() const override { return entries - 1; }

    void SetItemData(int, std::uintptr_t data) override { handles.push_back(data); }

    int entries = 0;
    std::vector<std::uintptr_t> handles;
};

// After every second call of any kind one window is opened, closed, hidden, shown, retitled or raised;
// the watched window itself is never touched.
class Churn
{
public:
    Churn(FakeWindowSystem& desktop, std::vector<WindowId> others, std::uint32_t seed)
        : desktop_(desktop)
        , others_(std::move(others))
        , random_(seed)
    {
        Schedule();
    }

private:
    void Schedule()
    {
        desktop_.After(FakeCall::Any, 2, [this](FakeWindowSystem& desktop) {
            Change(desktop);
            Schedule();
        });
    }

    void Change(FakeWindowSystem& desktop)
    {
        const int what = std::uniform_int_distribution<int>(0, 5)(random_);
        if (what == 0 || others_.empty())
        {
            others_.push_back(desktop.Add({.title = L"Yeni pencere"}));
            return;
        }
        const std::size_t index = std::uniform_int_distribution<std::size_t>(0, others_.size() - 1)(random_);
        const WindowId window = others_[index];
        switch (what)
        {
        case 1:
            desktop.Destroy(window);
            others_.erase(others_.begin() + static_cast<std::ptrdiff_t>(index));
            break;
        case 2:
            desktop.SetVisible(window, false);
            break;
        case 3:
            desktop.SetVisible(window, true);
            break;
        case 4:
            desktop.SetTitle(window, L"");
            break;
        default:
            desktop.BringToTop(window);
            break;
        }
    }

    FakeWindowSystem& desktop_;
    std::vector<WindowId> others_;
    std::mt19937 random_;
};

TEST(ClsApplicationsChurn, LookupAndListingStayRightOnADesktopThatNeverStandsStill)
{
    FakeWindowSystem desktop;
    std::vector<WindowId> others;
    for (int i = 0; i < 200; ++i)
    {
        others.push_back(desktop.Add({.title = L"Pencere " + std::to_wstring(i)}));
    }
    const WindowId watched = desktop.Add({.title = L"İzlenen"});
    ClsApplication pencere(desktop);
    ClsApplications pencereler(desktop, pencere);
    Churn churn(desktop, std::move(others), 20261207);

    for (int round = 0; round < 200; ++round)
    {
        ASSERT_TRUE(pencereler.ReturnProcessInfo(watched)) << round;
        RecordingList list;
        pencereler.FillWndListBox(list, true);
        ASSERT_GE(list.entries, 1);
        EXPECT_NE(std::find(list.handles.begin(), list.handles.end(), static_cast<std::uintptr_t>(watched)),
                  list.handles.end())
            << round;
    }

    desktop.Destroy(watched);
    EXPECT_FALSE(pencereler.ReturnProcessInfo(watched));
}

} // namespace
} // namespace dorvik::winlib
