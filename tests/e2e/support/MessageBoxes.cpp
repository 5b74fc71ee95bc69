// Message boxes of another process.
#include "support/MessageBoxes.h"

#include <algorithm>
#include <stdexcept>

#include "support/Controls.h"

namespace dorvik::e2e
{

namespace
{

constexpr int kMessageTextId = 0xFFFF;

} // namespace

std::wstring MessageBoxWindow::Title() const
{
    return box_.Text();
}

std::wstring MessageBoxWindow::Text() const
{
    const Window text = box_.Descendant(kMessageTextId);
    if (!text)
    {
        throw std::runtime_error("the message box has no text control");
    }
    return text.Text();
}

StockIcon MessageBoxWindow::Icon() const
{
    // Wine gives the icon control id 1088 and Windows id 20, so the control is found by its style.
    for (const Window& child : box_.Children())
    {
        if (child.HasClass(L"Static") && (child.Style() & SS_TYPEMASK) == SS_ICON && child.IsVisible())
        {
            // A box that has just appeared may not have painted its icon yet.
            StockIcon icon = StockIcon::Unknown;
            WaitUntil(
                [&] {
                    icon = StockIconAt(child.ClientRectOnScreen());
                    return icon != StockIcon::Unknown;
                },
                Milliseconds(2000));
            return icon;
        }
    }
    return StockIcon::Unknown;
}

std::vector<int> MessageBoxWindow::ButtonIds() const
{
    std::vector<Window> buttons;
    for (const Window& child : box_.Children())
    {
        if (child.HasClass(L"Button") && child.IsVisible())
        {
            buttons.push_back(child);
        }
    }
    std::sort(buttons.begin(), buttons.end(),
              [](const Window& a, const Window& b) { return a.WindowRect().left < b.WindowRect().left; });
    std::vector<int> ids;
    for (const Window& button : buttons)
    {
        ids.push_back(button.Id());
    }
    return ids;
}

Window MessageBoxWindow::Button(int id) const
{
    return Window(::GetDlgItem(box_.Handle(), id));
}

void MessageBoxWindow::Answer(int id) const
{
    const Window button = Button(id);
    if (!button)
    {
        throw std::runtime_error("the message box has no button " + std::to_string(id));
    }
    Click(button);
}

void MessageBoxWindow::AnswerByCommand(int id) const
{
    const Window button = Button(id);
    if (!box_.Post(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED),
                   reinterpret_cast<LPARAM>(button.Handle())))
    {
        throw std::runtime_error("cannot post the answer " + std::to_string(id));
    }
}

std::vector<MessageBoxWindow> FindMessageBoxes(DWORD pid)
{
    std::vector<MessageBoxWindow> boxes;
    for (const Window& window : TopLevelWindows(pid))
    {
        if (window.HasClass(L"#32770") && window.IsVisible())
        {
            boxes.emplace_back(window);
        }
    }
    return boxes;
}

std::optional<MessageBoxWindow> WaitForMessageBox(DWORD pid, Milliseconds timeout)
{
    std::optional<MessageBoxWindow> found;
    WaitUntil(
        [&] {
            const auto boxes = FindMessageBoxes(pid);
            if (!boxes.empty())
            {
                found = boxes.front();
            }
            return found.has_value();
        },
        timeout);
    return found;
}

} // namespace dorvik::e2e
