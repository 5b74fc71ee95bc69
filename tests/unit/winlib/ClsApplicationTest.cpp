#include "winlib/ClsApplication.h"

#include <cstdint>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/fake/FakeWindowSystem.h"

namespace
{

using dorvik::platform::CopyCall;
using dorvik::platform::DcHandle;
using dorvik::platform::FakeCall;
using dorvik::platform::FakeCallRecord;
using dorvik::platform::FakeWindow;
using dorvik::platform::FakeWindowSystem;
using dorvik::platform::MenuHandle;
using dorvik::platform::MoveCall;
using dorvik::platform::Rect;
using dorvik::platform::ShowCall;
using dorvik::platform::WindowId;
using dorvik::winlib::ClsApplication;
using dorvik::winlib::IDrawingSurface;

// Notes each request with the number of window-system calls made before it, so a test sees the order of both.
class RecordingSurface final : public IDrawingSurface
{
public:
    RecordingSurface(const FakeWindowSystem& windows, DcHandle dc)
        : windows_(windows)
        , dc_(dc)
    {
    }

    void Cls() override { events.push_back("Cls after " + std::to_string(windows_.Calls().size())); }

    DcHandle Hdc() override
    {
        events.push_back("Hdc after " + std::to_string(windows_.Calls().size()));
        return dc_;
    }

    std::vector<std::string> events;

private:
    const FakeWindowSystem& windows_;
    DcHandle dc_;
};

FakeWindow At(Rect rect)
{
    FakeWindow window;
    window.title = L"Hesap Makinesi";
    window.rect = rect;
    return window;
}

class ClsApplicationTest : public ::testing::Test
{
protected:
    FakeWindowSystem fake_;
    ClsApplication window_{fake_};
};

void ExpectEveryReadEmpty(ClsApplication& window)
{
    EXPECT_EQ(window.Text(), L"");
    EXPECT_EQ(window.ClassName(), L"");
    EXPECT_FALSE(window.Visible());
    EXPECT_EQ(window.State(), 0);
    EXPECT_EQ(window.Menu(), MenuHandle::None);
    EXPECT_EQ(window.Parent(), WindowId::None);
    EXPECT_EQ(window.Left(), 0);
    EXPECT_EQ(window.Top(), 0);
    EXPECT_EQ(window.Width(), 0);
    EXPECT_EQ(window.Height(), 0);
    EXPECT_EQ(window.Flash(), 0);
    EXPECT_EQ(window.Terminate(), 0);
}

TEST_F(ClsApplicationTest, NewObjectNamesNoWindowAndReadsEmptyValues)
{
    EXPECT_EQ(window_.hWnd(), WindowId::None);
    ExpectEveryReadEmpty(window_);
}

TEST_F(ClsApplicationTest, HandleOfAGoneWindowReadsEmptyValues)
{
    const WindowId gone = fake_.Add(At({10, 20, 310, 220}));
    fake_.Destroy(gone);
    window_.hWnd(gone);
    ExpectEveryReadEmpty(window_);
}

TEST_F(ClsApplicationTest, WritingTheHandleAsksWindowsNothing)
{
    const WindowId gone = fake_.Add(At({10, 20, 310, 220}));
    fake_.Destroy(gone);

    window_.hWnd(gone);

    EXPECT_EQ(window_.hWnd(), gone);
    EXPECT_TRUE(fake_.Calls().empty());
}

TEST_F(ClsApplicationTest, ActivateWithoutAWindowLeavesTheActiveWindowAlone)
{
    const WindowId ours = fake_.Add(At({0, 0, 100, 100}));
    fake_.SetActive(ours);

    EXPECT_EQ(window_.Activate(), 0);

    EXPECT_EQ(fake_.ActiveWindow(), ours);
    EXPECT_EQ(fake_.CallCount(FakeCall::SetActiveWindow), 0u);
}

TEST_F(ClsApplicationTest, ActivateMakesTheWindowActiveAndDeliversZero)
{
    const WindowId other = fake_.Add(At({0, 0, 100, 100}));
    window_.hWnd(other);

    EXPECT_EQ(window_.Activate(), 0);

    EXPECT_EQ(fake_.ActiveWindow(), other);
}

TEST_F(ClsApplicationTest, TextReadsAtMost254Characters)
{
    std::wstring title;
    for (int i = 0; i < 300; ++i)
    {
        title.push_back(static_cast<wchar_t>(L'a' + i % 26));
    }
    FakeWindow window;
    window.title = title;
    window.className = title;
    window_.hWnd(fake_.Add(window));

    EXPECT_EQ(window_.Text(), title.substr(0, 254));
    EXPECT_EQ(window_.ClassName(), title.substr(0, 254));
}

TEST_F(ClsApplicationTest, TextWriteGivesTheWholeTextToWindows)
{
    window_.hWnd(fake_.Add(At({0, 0, 10, 10})));

    window_.Text(L"Işık ve gölge — çalışıyor");

    EXPECT_THAT(fake_.TitlesSet(), ::testing::ElementsAre(L"Işık ve gölge — çalışıyor"));
    EXPECT_EQ(window_.Text(), L"Işık ve gölge — çalışıyor");
}

TEST_F(ClsApplicationTest, VisibleWriteShowsOrHides)
{
    const WindowId h = fake_.Add(At({0, 0, 10, 10}));
    window_.hWnd(h);

    window_.Visible(false);
    EXPECT_FALSE(window_.Visible());
    window_.Visible(true);
    EXPECT_TRUE(window_.Visible());

    EXPECT_THAT(fake_.ShowCalls(), ::testing::ElementsAre(ShowCall{h, 0}, ShowCall{h, 5}));
}

TEST_F(ClsApplicationTest, MenuAndParentWritesReadBack)
{
    const WindowId parent = fake_.Add(At({0, 0, 500, 500}));
    const WindowId h = fake_.Add(At({0, 0, 10, 10}));
    window_.hWnd(h);

    window_.Menu(static_cast<MenuHandle>(0x2A0));
    window_.Parent(parent);

    EXPECT_EQ(window_.Menu(), static_cast<MenuHandle>(0x2A0));
    EXPECT_EQ(window_.Parent(), parent);
}

TEST_F(ClsApplicationTest, FlashTellsWhetherTheWindowWasActive)
{
    const WindowId h = fake_.Add(At({0, 0, 10, 10}));
    window_.hWnd(h);
    EXPECT_EQ(window_.Flash(), 0);

    fake_.SetActive(h);
    EXPECT_NE(window_.Flash(), 0);
}

TEST_F(ClsApplicationTest, TerminateDeliversTheWindowsAnswer)
{
    FakeWindow stubborn = At({0, 0, 10, 10});
    stubborn.closeAnswer = 42;
    stubborn.closesOnRequest = false;
    const WindowId h = fake_.Add(stubborn);
    window_.hWnd(h);

    EXPECT_EQ(window_.Terminate(), 42);
    EXPECT_TRUE(fake_.Exists(h));
}

TEST_F(ClsApplicationTest, TerminateClosesAnOrdinaryWindow)
{
    const WindowId h = fake_.Add(At({0, 0, 10, 10}));
    window_.hWnd(h);

    EXPECT_EQ(window_.Terminate(), 0);
    EXPECT_FALSE(fake_.Exists(h));
}

TEST_F(ClsApplicationTest, MoveGivesItsValuesAndRepaintFlagUnchanged)
{
    const WindowId h = fake_.Add(At({0, 0, 10, 10}));
    window_.hWnd(h);

    window_.Move(70000, -40000, 800, 600, false);
    window_.Move(1, 2, 3, 4, true);

    EXPECT_THAT(fake_.MoveCalls(), ::testing::ElementsAre(MoveCall{h, 70000, -40000, 800, 600, false},
                                                          MoveCall{h, 1, 2, 3, 4, true}));
}

struct StateReadCase
{
    bool iconic;
    bool zoomedWhenRestored;
    std::int32_t expected;

    friend void PrintTo(const StateReadCase& c, std::ostream* os)
    {
        *os << "iconic=" << c.iconic << " zoomedWhenRestored=" << c.zoomedWhenRestored;
    }
};

class ClsApplicationStateRead : public ::testing::TestWithParam<StateReadCase>
{
};

TEST_P(ClsApplicationStateRead, MinimisedWinsOverMaximised)
{
    FakeWindowSystem fake;
    FakeWindow window = At({0, 0, 10, 10});
    window.iconic = GetParam().iconic;
    window.zoomed = GetParam().zoomedWhenRestored;
    ClsApplication app(fake);
    app.hWnd(fake.Add(window));

    EXPECT_EQ(app.State(), GetParam().expected);
    if (GetParam().iconic)
    {
        EXPECT_EQ(fake.CallCount(FakeCall::IsZoomed), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(Codes, ClsApplicationStateRead,
                         ::testing::Values(StateReadCase{false, false, 0}, StateReadCase{true, false, 1},
                                           StateReadCase{true, true, 1}, StateReadCase{false, true, 2}));

struct StateWriteCase
{
    std::int32_t state;
    std::optional<int> command;

    friend void PrintTo(const StateWriteCase& c, std::ostream* os) { *os << "state=" << c.state; }
};

class ClsApplicationStateWrite : public ::testing::TestWithParam<StateWriteCase>
{
};

TEST_P(ClsApplicationStateWrite, ShowsWithTheStatePlusOne)
{
    FakeWindowSystem fake;
    ClsApplication app(fake);
    const WindowId h = fake.Add(At({0, 0, 10, 10}));
    app.hWnd(h);

    app.State(GetParam().state);

    if (GetParam().command)
    {
        EXPECT_THAT(fake.ShowCalls(), ::testing::ElementsAre(ShowCall{h, *GetParam().command}));
    }
    else
    {
        EXPECT_TRUE(fake.Calls().empty());
    }
}

constexpr auto kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr auto kInt32Max = std::numeric_limits<std::int32_t>::max();

INSTANTIATE_TEST_SUITE_P(Codes, ClsApplicationStateWrite,
                         ::testing::Values(StateWriteCase{0, 1}, StateWriteCase{1, 2}, StateWriteCase{2, 3},
                                           StateWriteCase{-1, 0}, StateWriteCase{8, 9},
                                           StateWriteCase{kInt32Min, kInt32Min + 1},
                                           StateWriteCase{kInt32Max - 1, kInt32Max},
                                           StateWriteCase{kInt32Max, std::nullopt}));

TEST_F(ClsApplicationTest, StateWriteThenReadGivesTheSameCode)
{
    window_.hWnd(fake_.Add(At({0, 0, 10, 10})));
    for (const std::int32_t state : {1, 0, 2, 0})
    {
        window_.State(state);
        EXPECT_EQ(window_.State(), state);
    }
}

struct GeometryReadCase
{
    const char* name;
    Rect rect;
    std::int16_t left;
    std::int16_t top;
    std::int16_t width;
    std::int16_t height;

    friend void PrintTo(const GeometryReadCase& c, std::ostream* os) { *os << c.name; }
};

class ClsApplicationGeometryRead : public ::testing::TestWithParam<GeometryReadCase>
{
};

TEST_P(ClsApplicationGeometryRead, Delivers16BitValuesSaturated)
{
    FakeWindowSystem fake;
    ClsApplication app(fake);
    app.hWnd(fake.Add(At(GetParam().rect)));

    EXPECT_EQ(app.Left(), GetParam().left);
    EXPECT_EQ(app.Top(), GetParam().top);
    EXPECT_EQ(app.Width(), GetParam().width);
    EXPECT_EQ(app.Height(), GetParam().height);
}

constexpr int kIntMin = std::numeric_limits<int>::min();
constexpr int kIntMax = std::numeric_limits<int>::max();

INSTANTIATE_TEST_SUITE_P(
    Rects, ClsApplicationGeometryRead,
    ::testing::Values(
        GeometryReadCase{"Ordinary", {10, 20, 310, 220}, 10, 20, 300, 200},
        GeometryReadCase{"MinimisedOffScreen", {-32000, -32000, -31840, -31972}, -32000, -32000, 160, 28},
        GeometryReadCase{"Int16Edges", {-32768, -32768, 32767, 32767}, -32768, -32768, 32767, 32767},
        GeometryReadCase{"FarRight", {40000, 50000, 40100, 50100}, 32767, 32767, 100, 100},
        GeometryReadCase{"FarLeft", {-40000, -50000, -39900, -49900}, -32768, -32768, 100, 100},
        GeometryReadCase{"HugeSize", {-70000, -10, 70000, 90000}, -32768, -10, 32767, 32767},
        GeometryReadCase{"NegativeSize", {100, 100, -50000, 0}, 100, 100, -32768, -100},
        GeometryReadCase{
            "Int32Extremes", {kIntMin, kIntMin, kIntMax, kIntMax}, -32768, -32768, 32767, 32767}),
    [](const ::testing::TestParamInfo<GeometryReadCase>& tested) { return std::string(tested.param.name); });

enum class Edge
{
    Left,
    Top,
    Width,
    Height
};

struct GeometryWriteCase
{
    const char* name;
    Edge edge;
    std::int16_t value;
    Rect before;
    MoveCall expected;

    friend void PrintTo(const GeometryWriteCase& c, std::ostream* os) { *os << c.name; }
};

class ClsApplicationGeometryWrite : public ::testing::TestWithParam<GeometryWriteCase>
{
};

TEST_P(ClsApplicationGeometryWrite, ReadsTheOtherThreeThenMovesOnce)
{
    FakeWindowSystem fake;
    ClsApplication app(fake);
    const WindowId h = fake.Add(At(GetParam().before));
    app.hWnd(h);

    switch (GetParam().edge)
    {
    case Edge::Left:
        app.Left(GetParam().value);
        break;
    case Edge::Top:
        app.Top(GetParam().value);
        break;
    case Edge::Width:
        app.Width(GetParam().value);
        break;
    case Edge::Height:
        app.Height(GetParam().value);
        break;
    }

    MoveCall expected = GetParam().expected;
    expected.window = h;
    EXPECT_THAT(fake.MoveCalls(), ::testing::ElementsAre(expected));
    EXPECT_THAT(fake.Calls(), ::testing::ElementsAre(FakeCallRecord{FakeCall::WindowRect, h},
                                                     FakeCallRecord{FakeCall::WindowRect, h},
                                                     FakeCallRecord{FakeCall::WindowRect, h},
                                                     FakeCallRecord{FakeCall::MoveWindow, h}));
}

constexpr Rect kAt10x20Size300x200{10, 20, 310, 220};

INSTANTIATE_TEST_SUITE_P(
    Edges, ClsApplicationGeometryWrite,
    ::testing::Values(
        GeometryWriteCase{"Left", Edge::Left, 100, kAt10x20Size300x200, {{}, 100, 20, 300, 200, true}},
        GeometryWriteCase{"Top", Edge::Top, -5, kAt10x20Size300x200, {{}, 10, -5, 300, 200, true}},
        GeometryWriteCase{"Width", Edge::Width, 640, kAt10x20Size300x200, {{}, 10, 20, 640, 200, true}},
        GeometryWriteCase{"Height", Edge::Height, 480, kAt10x20Size300x200, {{}, 10, 20, 300, 480, true}},
        GeometryWriteCase{"NegativeSignExtended",
                          Edge::Left,
                          -32768,
                          kAt10x20Size300x200,
                          {{}, -32768, 20, 300, 200, true}},
        GeometryWriteCase{
            "OthersSaturated", Edge::Left, 5, {10, 20, 50010, 100020}, {{}, 5, 20, 32767, 32767, true}},
        GeometryWriteCase{"MinimisedKeepsItsParking",
                          Edge::Width,
                          200,
                          {-32000, -32000, -31840, -31972},
                          {{}, -32000, -32000, 200, 28, true}}),
    [](const ::testing::TestParamInfo<GeometryWriteCase>& tested) { return std::string(tested.param.name); });

TEST_F(ClsApplicationTest, LeftWriteKeepsPositionAndSizeOfTheRest)
{
    const WindowId h = fake_.Add(At(kAt10x20Size300x200));
    window_.hWnd(h);

    window_.Left(100);

    EXPECT_EQ(fake_.Get(h).rect, (Rect{100, 20, 400, 220}));
    EXPECT_EQ(window_.Left(), 100);
    EXPECT_EQ(window_.Top(), 20);
    EXPECT_EQ(window_.Width(), 300);
    EXPECT_EQ(window_.Height(), 200);
}

class ClsApplicationProject : public ClsApplicationTest
{
protected:
    static constexpr DcHandle kDc = static_cast<DcHandle>(0x5D0);

    WindowId Window()
    {
        FakeWindow window = At({100, 100, 400, 300});
        window.client = Rect{0, 0, 292, 173};
        const WindowId h = fake_.Add(window);
        window_.hWnd(h);
        return h;
    }
};

TEST_F(ClsApplicationProject, StretchScalesTheWholeClientAreaIntoTheGivenRectangle)
{
    const WindowId h = Window();
    RecordingSurface surface(fake_, kDc);

    EXPECT_EQ(window_.Project(surface, 5, 6, 100, 50, true), 1);

    EXPECT_THAT(fake_.CopyCalls(), ::testing::ElementsAre(CopyCall{h, kDc, 5, 6, 100, 50, 292, 173}));
}

TEST_F(ClsApplicationProject, WithoutStretchCopiesUnscaledAndIgnoresTheSize)
{
    const WindowId h = Window();
    RecordingSurface surface(fake_, kDc);

    window_.Project(surface, -5, 6, 100, 50, false);

    EXPECT_THAT(fake_.CopyCalls(), ::testing::ElementsAre(CopyCall{h, kDc, -5, 6, 292, 173, 292, 173}));
}

TEST_F(ClsApplicationProject, ReadsTheClientAreaThenClearsThenTakesTheDcThenCopies)
{
    const WindowId h = Window();
    RecordingSurface surface(fake_, kDc);

    window_.Project(surface, 0, 0, 10, 10, true);

    EXPECT_THAT(fake_.Calls(), ::testing::ElementsAre(FakeCallRecord{FakeCall::ClientRect, h},
                                                      FakeCallRecord{FakeCall::CopyClientArea, h}));
    EXPECT_THAT(surface.events, ::testing::ElementsAre("Cls after 1", "Hdc after 1"));
}

TEST_F(ClsApplicationProject, DeliversTheCopysResult)
{
    Window();
    RecordingSurface surface(fake_, kDc);
    fake_.SetCopyResult(0);

    EXPECT_EQ(window_.Project(surface, 0, 0, 10, 10, false), 0);
}

} // namespace
