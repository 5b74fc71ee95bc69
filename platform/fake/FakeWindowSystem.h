// An in-memory desktop for tests: windows in z-order that a test can change, even between two calls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/IWindowSystem.h"

namespace dorvik::platform
{

// What a window is made of when a test adds it.
struct FakeWindow
{
    std::wstring title;
    std::wstring className = L"FakeWindowClass";
    std::int32_t exStyle = 0x100; // WS_EX_WINDOWEDGE, as an ordinary framed application window has
    bool visible = true;
    bool iconic = false;
    bool zoomed = false;
    Rect rect{0, 0, 300, 200};
    Rect client{0, 0, 292, 173};
    MenuHandle menu = MenuHandle::None;
    // What the window answers to a close request, and whether it goes away as DefWindowProc makes it.
    std::intptr_t closeAnswer = 0;
    bool closesOnRequest = true;
    // The window belongs to the program under test.
    bool own = false;
};

// Each kind of call the fake answers, for counting and for scheduling a change after one.
enum class FakeCall
{
    Any,
    TopLevelWindows,
    IsTopLevel,
    IsOwnWindow,
    DesktopWindow,
    RelatedWindow,
    WindowFromPoint,
    ActiveWindow,
    SetActiveWindow,
    WindowText,
    SetWindowText,
    ClassName,
    ExtendedStyle,
    IsVisible,
    IsIconic,
    IsZoomed,
    ShowWindow,
    WindowRect,
    ClientRect,
    MoveWindow,
    Menu,
    SetMenu,
    Parent,
    SetParent,
    Flash,
    RequestClose,
    CopyClientArea
};

struct FakeCallRecord
{
    FakeCall call;
    WindowId window;

    friend bool operator==(const FakeCallRecord&, const FakeCallRecord&) = default;
};

struct MoveCall
{
    WindowId window;
    int left;
    int top;
    int width;
    int height;
    bool repaint;

    friend bool operator==(const MoveCall&, const MoveCall&) = default;
};

struct ShowCall
{
    WindowId window;
    int command;

    friend bool operator==(const ShowCall&, const ShowCall&) = default;
};

struct CopyCall
{
    WindowId window;
    DcHandle destination;
    int x;
    int y;
    int width;
    int height;
    int sourceWidth;
    int sourceHeight;

    friend bool operator==(const CopyCall&, const CopyCall&) = default;
};

class FakeWindowSystem final : public IWindowSystem
{
public:
    FakeWindowSystem();

    // A new top-level window at the bottom of the z-order, so windows added in turn read topmost first.
    WindowId Add(FakeWindow window);
    WindowId AddOnTop(FakeWindow window);
    // A child of parent, below its existing children; it is never one of the top-level windows.
    WindowId AddChild(WindowId parent, FakeWindow window);
    // Removes the window and its children; the handle then names no window and is never given out again.
    void Destroy(WindowId window);

    void SetTitle(WindowId window, std::wstring title);
    void SetVisible(WindowId window, bool visible);
    void SetExStyle(WindowId window, std::int32_t exStyle);
    void BringToTop(WindowId window);
    void SendToBottom(WindowId window);
    void SetActive(WindowId window);
    void SetCopyResult(std::int32_t result);

    bool Exists(WindowId window) const;
    // The stored state of a live window; the test must know it exists.
    const FakeWindow& Get(WindowId window) const;

    // Runs change once, right after the nth call of the given kind counted from now (n = 1: the next one),
    // so a test can make the desktop change between two calls of a walk.
    void After(FakeCall call, std::size_t n, std::function<void(FakeWindowSystem&)> change);

    const std::vector<FakeCallRecord>& Calls() const;
    std::size_t CallCount(FakeCall call) const;
    void ClearCalls();
    const std::vector<MoveCall>& MoveCalls() const;
    const std::vector<ShowCall>& ShowCalls() const;
    const std::vector<CopyCall>& CopyCalls() const;
    const std::vector<std::wstring>& TitlesSet() const;

    std::vector<WindowId> TopLevelWindows() const override;
    bool IsTopLevel(WindowId window) const override;
    bool IsOwnWindow(WindowId window) const override;
    WindowId DesktopWindow() const override;
    WindowId RelatedWindow(WindowId window, WindowRelation relation) const override;
    WindowId WindowFromPoint(int x, int y) const override;
    WindowId ActiveWindow() const override;
    WindowId SetActiveWindow(WindowId window) override;

    std::wstring WindowText(WindowId window) const override;
    void SetWindowText(WindowId window, std::wstring_view text) override;
    std::wstring ClassName(WindowId window) const override;
    std::int32_t ExtendedStyle(WindowId window) const override;

    bool IsVisible(WindowId window) const override;
    bool IsIconic(WindowId window) const override;
    bool IsZoomed(WindowId window) const override;
    void ShowWindow(WindowId window, int command) override;

    Rect WindowRect(WindowId window) const override;
    Rect ClientRect(WindowId window) const override;
    void MoveWindow(WindowId window, int left, int top, int width, int height, bool repaint) override;

    MenuHandle Menu(WindowId window) const override;
    void SetMenu(WindowId window, MenuHandle menu) override;

    WindowId Parent(WindowId window) const override;
    void SetParent(WindowId window, WindowId newParent) override;

    std::int32_t Flash(WindowId window) override;
    std::intptr_t RequestClose(WindowId window) override;
    std::int32_t CopyClientArea(WindowId window, DcHandle destination, int x, int y, int width, int height,
                                int sourceWidth, int sourceHeight) override;

private:
    struct Entry
    {
        FakeWindow window;
        WindowId parent = WindowId::None;
    };

    struct Pending
    {
        FakeCall call;
        std::size_t remaining;
        std::function<void(FakeWindowSystem&)> change;
    };

    WindowId Insert(FakeWindow window, WindowId parent, bool onTop);
    const Entry* Find(WindowId window) const;
    Entry* Find(WindowId window);
    std::vector<WindowId> ChildrenOf(WindowId parent) const;
    WindowId DeepestAt(WindowId parent, int x, int y) const;
    // Logs the call, then runs every scheduled change that is due after it.
    void Record(FakeCall call, WindowId window) const;

    WindowId desktop_;
    std::uintptr_t nextHandle_;
    std::map<WindowId, Entry> windows_;
    // Every window, top-level or child, topmost first; siblings keep their relative order in it.
    std::vector<WindowId> zOrder_;
    WindowId active_ = WindowId::None;
    std::int32_t copyResult_ = 1;

    std::vector<FakeCallRecord> calls_;
    std::vector<Pending> pending_;
    std::vector<MoveCall> moveCalls_;
    std::vector<ShowCall> showCalls_;
    std::vector<CopyCall> copyCalls_;
    std::vector<std::wstring> titlesSet_;
};

} // namespace dorvik::platform
