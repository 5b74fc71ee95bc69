// The window library on a real desktop that never stands still: while another program opens and destroys
// two hundred windows a second, the lookup and the listing neither crash nor hang, and a window that stays
// is always answered right.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <gtest/gtest.h>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "platform/win32/HandleCasts.h"
#include "platform/win32/Win32WindowSystem.h"
#include "support/Bystander.h"
#include "support/Wait.h"
#include "winlib/ClsApplications.h"

namespace dorvik::e2e
{
namespace
{

using SteadyClock = std::chrono::steady_clock;

class CollectingList final : public winlib::IListControl
{
public:
    void Clear() override
    {
        titles.clear();
        handles.clear();
    }

    void AddItem(std::wstring_view text) override
    {
        titles.emplace_back(text);
        handles.push_back(0);
    }

    int NewIndex() const override { return static_cast<int>(titles.size()) - 1; }

    void SetItemData(int index, std::uintptr_t data) override
    {
        handles.at(static_cast<size_t>(index)) = data;
    }

    std::vector<std::wstring> titles;
    std::vector<std::uintptr_t> handles;
};

// A top-level window of the driver's own that is destroyed at once: its handle names no window any more.
platform::WindowId GoneWindow()
{
    const HWND window = ::CreateWindowExW(0, L"STATIC", L"Giden", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                          nullptr, nullptr, nullptr);
    ::DestroyWindow(window);
    return win32::ToWindowId(window);
}

TEST(WindowLibrary, LookupAndListingStayRightWhileTwoHundredWindowsASecondComeAndGo)
{
    BystanderOptions options;
    options.windows = {{L"Kalıcı"}};
    options.churnPerSecond = 200;
    Bystander bystander = Bystander::Start(options);
    const platform::WindowId stable = win32::ToWindowId(bystander.FindWindow(L"Kalıcı").Handle());
    const platform::WindowId gone = GoneWindow();

    win32::Win32WindowSystem desktop;
    winlib::ClsApplication pencere(desktop);
    winlib::ClsApplications pencereler(desktop, pencere);

    std::set<std::uintptr_t> passersBy;
    int rounds = 0;
    SteadyClock::duration slowest{};
    const auto end = SteadyClock::now() + std::chrono::seconds(3);
    while (SteadyClock::now() < end)
    {
        const auto start = SteadyClock::now();
        ASSERT_TRUE(pencereler.ReturnProcessInfo(stable)) << "round " << rounds;
        ASSERT_FALSE(pencereler.ReturnProcessInfo(gone)) << "round " << rounds;
        CollectingList list;
        pencereler.FillWndListBox(list, true);
        ASSERT_NE(std::find(list.handles.begin(), list.handles.end(), static_cast<std::uintptr_t>(stable)),
                  list.handles.end())
            << "round " << rounds;
        for (size_t i = 0; i < list.titles.size(); ++i)
        {
            if (list.titles[i] == L"Geçici")
            {
                passersBy.insert(list.handles[i]);
            }
        }
        slowest = std::max(slowest, SteadyClock::now() - start);
        ++rounds;
        PumpMessagesFor(Milliseconds(5));
    }

    std::cout << "[ measure  ] " << rounds << " rounds, slowest "
              << std::chrono::duration_cast<Milliseconds>(slowest).count() << " ms, " << passersBy.size()
              << " passing windows seen\n";
    EXPECT_GT(passersBy.size(), 20u) << "the desktop did not change while the library read it";
    EXPECT_LT(slowest, std::chrono::seconds(2)) << "a round took too long";
}

} // namespace
} // namespace dorvik::e2e
