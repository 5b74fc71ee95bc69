// The window that counts the last minute before a closing, with a way to cancel it or put it off.
#pragma once

#include <chrono>
#include <string>

#include "scheduler/Choices.h"
#include "ui/ICountdownWarningView.h"

namespace dorvik
{

// What the window's buttons ask of the armed closing.
class ICountdownWarningHost
{
public:
    virtual ~ICountdownWarningHost() = default;

    // Cancels the closing as the main window's cancel does, without its message.
    virtual void CancelClosing() = 0;
    // Puts the closing off by this much real time from now; it stays armed.
    virtual void PostponeClosing(std::chrono::minutes by) = 0;
};

class CountdownWarning
{
public:
    static constexpr std::chrono::minutes kPostponement{10};

    CountdownWarning(ICountdownWarningView& view, ICountdownWarningHost& host) noexcept
        : view_(view)
        , host_(host)
    {
    }

    CountdownWarning(const CountdownWarning&) = delete;
    CountdownWarning& operator=(const CountdownWarning&) = delete;

    bool Shown() const noexcept { return shown_; }

    // Shows the window for a closing of this kind, or a rehearsal of it, due after left.
    void Open(scheduler::ClosingKind kind, bool rehearsal, std::chrono::milliseconds left);
    // While the window is shown: the sentence for the kind in force and the time left now.
    void Count(scheduler::ClosingKind kind, bool rehearsal, std::chrono::milliseconds left);
    void Close();
    // The user reaches for the program: the shown window comes to the front.
    void BringToFront();

    void BtnVazgec_Click();
    void BtnErtele_Click();
    // The close box or Esc: only the window goes, the closing comes on time.
    void Form_Close();

private:
    void ShowSentence(const std::wstring& sentence);

    ICountdownWarningView& view_;
    ICountdownWarningHost& host_;
    bool shown_ = false;
    std::wstring sentence_;
};

// "Bilgisayar 60 saniye sonra kapatılacak.": the whole seconds left, rounded up, so the count runs from 60
// down to 1 and the closing begins at 0. A rehearsal says so after the sentence: " (deneme)".
std::wstring CountdownSentence(scheduler::ClosingKind kind, bool rehearsal, std::chrono::milliseconds left);

} // namespace dorvik
