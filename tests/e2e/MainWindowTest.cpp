// The main window as it first appears: its frame, size and place, and every control's kind, text, place
// and state.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

#include "support/Controls.h"
#include "support/DorvikApp.h"
#include "support/Scheduling.h"
#include "support/Text.h"

namespace dorvik::e2e
{
namespace
{

// A converted twips value may land on either side of a pixel boundary.
constexpr double kPixelTolerance = 1.0;

enum class Kind
{
    Frame,
    PushButton,
    Option,
    Edit,
    Label,
    VerticalScrollBar,
    StatusBar,
    Image,
};

struct DesignedControl
{
    ControlId id;
    // The window the control stands in; nothing for the main window itself.
    std::optional<ControlId> container;
    Kind kind;
    // Nothing where the text is not fixed at design time (the clock fields, the status bar, images).
    std::optional<std::wstring> text;
    int left;
    int top;
    int width;
    int height;
};

// The main window's design, in twips from the corner of each control's container.
const std::vector<DesignedControl>& Design()
{
    static const std::vector<DesignedControl> design = {
        {ControlId::StatusBar1, {}, Kind::StatusBar, {}, 0, 2010, 2460, 255},
        {ControlId::SaatSec, {}, Kind::Frame, L"Saati Giriniz", 150, 480, 2160, 1095},
        {ControlId::Frame1, ControlId::SaatSec, Kind::Frame, L"", 360, 175, 1325, 450},
        {ControlId::Saat0, ControlId::Frame1, Kind::Edit, {}, 25, 120, 325, 285},
        {ControlId::Saat2, ControlId::Frame1, Kind::Edit, {}, 960, 120, 325, 285},
        {ControlId::Saat1, ControlId::Frame1, Kind::Edit, {}, 480, 120, 325, 285},
        {ControlId::Label2, ControlId::Frame1, Kind::Label, L":", 855, 135, 45, 195},
        {ControlId::Label1, ControlId::Frame1, Kind::Label, L":", 385, 135, 45, 195},
        {ControlId::VScroll1, ControlId::SaatSec, Kind::VerticalScrollBar, {}, 1680, 240, 175, 375},
        {ControlId::Command2, ControlId::SaatSec, Kind::PushButton, L"T&amam", 120, 690, 1980, 300},
        {ControlId::FrmKapama, {}, Kind::Frame, L"Kapama Saati", 75, 0, 2310, 1635},
        {ControlId::OptHizli0, ControlId::FrmKapama, Kind::Option, L"Hemen!", 120, 255, 1775, 255},
        {ControlId::OptHizli1, ControlId::FrmKapama, Kind::Option, L"Yarım Saat Sonra", 120, 525, 1775, 255},
        {ControlId::OptHizli2, ControlId::FrmKapama, Kind::Option, L"Bir Saat Sonra", 120, 780, 1775, 255},
        {ControlId::OptHizli3, ControlId::FrmKapama, Kind::Option, L"İki Saat Sonra", 120, 1035, 1775, 255},
        {ControlId::OptHizli4, ControlId::FrmKapama, Kind::Option, L"Saati Belirle", 120, 1320, 1775, 255},
        {ControlId::BtnDorvik, {}, Kind::PushButton, L"&Dorvik !!!", 75, 1680, 2295, 325},
        {ControlId::ImgDorvik, {}, Kind::Image, {}, 2400, 960, 480, 480},
        {ControlId::ImgDorvikSet, {}, Kind::Image, {}, 2400, 480, 480, 480},
        {ControlId::ImgKapan, {}, Kind::Image, {}, 2400, 0, 480, 480},
    };
    return design;
}

std::string Name(ControlId id)
{
    return "control " + std::to_string(static_cast<int>(id));
}

// A frame is a container window; its border and caption are drawn by a group box inside it that covers it,
// or, for a frame without a caption, by a plain box.
Window FrameBorder(const Window& frame)
{
    const RECT outer = frame.ClientRect();
    for (const Window& child : frame.Children())
    {
        const RECT rect = child.RectIn(frame);
        const bool coversFrame =
            rect.left == 0 && rect.top == 0 && rect.right == outer.right && rect.bottom == outer.bottom;
        const bool groupBox = child.HasClass(L"Button") && ButtonType(child) == BS_GROUPBOX;
        const bool plainBox = child.HasClass(L"Static") && (child.Style() & SS_TYPEMASK) == SS_ETCHEDFRAME;
        if (coversFrame && (groupBox || plainBox))
        {
            return child;
        }
    }
    return {};
}

class MainWindow : public testing::Test
{
protected:
    DorvikApp app_ = DorvikApp::Start();
};

TEST_F(MainWindow, HasItsCaptionAndAFixedBorderWithoutMaximizeButton)
{
    const Window& main = app_.Main();
    EXPECT_EQ(main.Text(), L"Dorvik! V1.0");
    EXPECT_TRUE(main.IsVisible());
    EXPECT_FALSE(main.IsMinimized());
    EXPECT_TRUE(main.HasStyle(WS_CAPTION));
    EXPECT_TRUE(main.HasStyle(WS_SYSMENU));
    EXPECT_TRUE(main.HasStyle(WS_MINIMIZEBOX));
    EXPECT_FALSE(main.Style() & WS_MAXIMIZEBOX);
    EXPECT_FALSE(main.Style() & WS_THICKFRAME) << "the user must not be able to resize the window";
    EXPECT_FALSE(main.HasExStyle(WS_EX_TOOLWINDOW)) << "the window is shown in the taskbar";
    EXPECT_FALSE(main.Owner()) << "an owned window is not shown in the taskbar";
}

TEST_F(MainWindow, ClientAreaIs2460By2265Twips)
{
    const Window& main = app_.Main();
    const unsigned dpi = main.Dpi();
    const RECT client = main.ClientRect();
    EXPECT_NEAR(client.right, TwipsToPixels(2460, dpi), kPixelTolerance) << "at " << dpi << " DPI";
    EXPECT_NEAR(client.bottom, TwipsToPixels(2265, dpi), kPixelTolerance) << "at " << dpi << " DPI";
}

TEST_F(MainWindow, IsCentredOnTheScreen)
{
    const RECT window = app_.Main().WindowRect();
    const RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    RECT workArea{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    const auto centredIn = [&](const RECT& area) {
        const int horizontal = (area.left + area.right) - (window.left + window.right);
        const int vertical = (area.top + area.bottom) - (window.top + window.bottom);
        // Halving an odd difference leaves a pixel either way.
        return std::abs(horizontal) <= 2 && std::abs(vertical) <= 2;
    };
    EXPECT_TRUE(centredIn(screen) || centredIn(workArea))
        << "window (" << window.left << "," << window.top << ")-(" << window.right << "," << window.bottom
        << "), screen " << screen.right << "x" << screen.bottom << ", work area (" << workArea.left << ","
        << workArea.top << ")-(" << workArea.right << "," << workArea.bottom << ")";
}

TEST_F(MainWindow, EachControlHasItsKind)
{
    for (const DesignedControl& designed : Design())
    {
        SCOPED_TRACE(Name(designed.id));
        const Window control = app_.FindControl(designed.id);
        ASSERT_TRUE(control) << "missing";
        switch (designed.kind)
        {
        case Kind::Frame:
            EXPECT_TRUE(FrameBorder(control)) << "no group box or plain box covers the frame";
            break;
        case Kind::PushButton:
            EXPECT_TRUE(control.HasClass(L"Button")) << Utf8(control.ClassName());
            // BS_PUSHBUTTON, not BS_DEFPUSHBUTTON: no button is the window's default.
            EXPECT_EQ(ButtonType(control), static_cast<DWORD>(BS_PUSHBUTTON));
            break;
        case Kind::Option:
            EXPECT_TRUE(control.HasClass(L"Button")) << Utf8(control.ClassName());
            EXPECT_EQ(ButtonType(control), static_cast<DWORD>(BS_AUTORADIOBUTTON));
            break;
        case Kind::Edit:
            EXPECT_TRUE(control.HasClass(L"Edit")) << Utf8(control.ClassName());
            EXPECT_FALSE(control.Style() & ES_MULTILINE);
            EXPECT_FALSE(control.Style() & (ES_CENTER | ES_RIGHT)) << "the fields are left-aligned";
            EXPECT_EQ(EditLimit(control), 2);
            break;
        case Kind::Label:
            EXPECT_TRUE(control.HasClass(L"Static")) << Utf8(control.ClassName());
            break;
        case Kind::VerticalScrollBar:
            EXPECT_TRUE(control.HasClass(L"ScrollBar")) << Utf8(control.ClassName());
            EXPECT_TRUE(control.HasStyle(SBS_VERT));
            break;
        case Kind::StatusBar:
            EXPECT_TRUE(control.HasClass(STATUSCLASSNAMEW)) << Utf8(control.ClassName());
            break;
        case Kind::Image:
            break;
        }
    }
}

TEST_F(MainWindow, EachControlShowsItsText)
{
    for (const DesignedControl& designed : Design())
    {
        if (!designed.text)
        {
            continue;
        }
        SCOPED_TRACE(Name(designed.id));
        const Window control = app_.FindControl(designed.id);
        ASSERT_TRUE(control) << "missing";
        EXPECT_EQ(control.Text(), *designed.text);
        if (designed.kind == Kind::Frame && !designed.text->empty())
        {
            const Window border = FrameBorder(control);
            ASSERT_TRUE(border);
            EXPECT_EQ(border.Text(), *designed.text) << "the caption the frame shows";
        }
    }
}

TEST_F(MainWindow, EachControlStandsAtItsPlaceInItsContainer)
{
    const unsigned dpi = app_.Main().Dpi();
    for (const DesignedControl& designed : Design())
    {
        SCOPED_TRACE(Name(designed.id) + " at " + std::to_string(dpi) + " DPI");
        const Window control = app_.FindControl(designed.id);
        ASSERT_TRUE(control) << "missing";
        const Window container = designed.container ? app_.FindControl(*designed.container) : app_.Main();
        ASSERT_TRUE(container) << "its container is missing";
        EXPECT_EQ(control.Parent(), container) << "stands in the wrong container";

        const RECT rect = control.RectIn(container);
        EXPECT_NEAR(rect.left, TwipsToPixels(designed.left, dpi), kPixelTolerance) << "left";
        EXPECT_NEAR(rect.top, TwipsToPixels(designed.top, dpi), kPixelTolerance) << "top";
        EXPECT_NEAR(rect.right - rect.left, TwipsToPixels(designed.width, dpi), kPixelTolerance) << "width";
        EXPECT_NEAR(rect.bottom - rect.top, TwipsToPixels(designed.height, dpi), kPixelTolerance) << "height";
    }
}

TEST_F(MainWindow, StartsWithSaatiGirinizHiddenAndEverythingElseUsable)
{
    const Window saatSec = app_.Control(ControlId::SaatSec);
    EXPECT_FALSE(saatSec.IsVisible());
    for (const Window& inside : saatSec.Descendants())
    {
        SCOPED_TRACE(Name(static_cast<ControlId>(inside.Id())) + " inside SaatSec");
        EXPECT_FALSE(inside.IsVisible()) << "a control of the hidden frame can be reached";
    }

    for (const ControlId id :
         {ControlId::FrmKapama, ControlId::OptHizli0, ControlId::OptHizli1, ControlId::OptHizli2,
          ControlId::OptHizli3, ControlId::OptHizli4, ControlId::BtnDorvik, ControlId::StatusBar1})
    {
        SCOPED_TRACE(Name(id));
        const Window control = app_.Control(id);
        EXPECT_TRUE(control.IsVisible());
        EXPECT_TRUE(control.IsEnabled());
    }
    for (const ControlId id : {ControlId::Saat0, ControlId::Saat1, ControlId::Saat2, ControlId::VScroll1,
                               ControlId::Command2, ControlId::Frame1})
    {
        SCOPED_TRACE(Name(id));
        EXPECT_TRUE(app_.Control(id).IsEnabled()) << "enabled, only hidden with its frame";
    }
}

TEST_F(MainWindow, IconHoldersAreNeverShown)
{
    for (const ControlId id : {ControlId::ImgDorvik, ControlId::ImgDorvikSet, ControlId::ImgKapan})
    {
        SCOPED_TRACE(Name(id));
        const Window image = app_.Control(id);
        EXPECT_FALSE(image.IsVisible());
        EXPECT_FALSE(image.HasStyle(WS_VISIBLE));
    }
}

TEST_F(MainWindow, HemenIsTheOnlySelectedQuickChoice)
{
    EXPECT_TRUE(IsChecked(app_.Control(ControlId::OptHizli0)));
    for (int index = 1; index < kOptHizliCount; ++index)
    {
        SCOPED_TRACE("OptHizli(" + std::to_string(index) + ")");
        EXPECT_FALSE(IsChecked(app_.Control(OptHizli(index))));
    }
    EXPECT_TRUE(QuickChoicesDrawn(app_)) << "every quick choice is drawn, none hidden by its frame";
}

TEST_F(MainWindow, StatusBarHasOnePanelOfAtLeast1950Twips)
{
    const Window statusBar = app_.Control(ControlId::StatusBar1);
    const std::vector<int> parts = StatusBarParts(statusBar);
    ASSERT_EQ(parts.size(), 1u);
    const double designed = TwipsToPixels(1950, app_.Main().Dpi());
    // The program may widen the panel so that a long month name fits; it must not be narrower.
    EXPECT_TRUE(parts[0] == -1 || parts[0] >= designed - kPixelTolerance)
        << "panel ends at " << parts[0] << " px, designed " << designed << " px";
}

} // namespace
} // namespace dorvik::e2e
