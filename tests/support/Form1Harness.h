// The main window's controller over fake services, as the program wires it, for the handler tests.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "command/Payload.h"
#include "platform/fake/FakeActivity.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeDialogs.h"
#include "platform/fake/FakeEventPump.h"
#include "platform/fake/FakeServices.h"
#include "platform/fake/FakeWindowSystem.h"
#include "scheduler/ClockField.h"
#include "support/FakeCountdownWarningView.h"
#include "support/FakeForm1View.h"
#include "support/FakeUygulamaView.h"
#include "ui/Form1.h"
#include "ui/IPickerHost.h"
#include "ui/Modulum.h"

namespace dorvik::test
{

// Each showing loads a fresh picker over a fresh view, runs what the test scripted for the user, and returns.
class FakePickerHost final : public IPickerHost
{
public:
    FakePickerHost(Modulum& modulum, IForm1View& form1) noexcept
        : modulum_(modulum)
        , form1_(form1)
    {
    }

    bool ShowUygulamaModal() override
    {
        ++showings;
        FakeUygulamaView view;
        Uygulama picker(view, modulum_, form1_);
        view.Attach(picker);
        picker.Form_Load();
        if (user)
        {
            user(picker, view);
        }
        lastList = view.list.entries;
        return picker.Chosen();
    }

    // At the next showings the user picks the entry of this window and chooses it.
    void UserChooses(platform::WindowId window)
    {
        user = [window](Uygulama& picker, FakeUygulamaView& view) {
            for (std::size_t i = 1; i < view.list.entries.size(); ++i)
            {
                if (view.list.entries[i].data == static_cast<std::uintptr_t>(window))
                {
                    view.UserSelect(static_cast<int>(i));
                }
            }
            picker.BtnUygulamaSec_Click();
        };
    }

    std::function<void(Uygulama&, FakeUygulamaView&)> user;
    int showings = 0;
    std::vector<ListEntry> lastList;

private:
    Modulum& modulum_;
    IForm1View& form1_;
};

struct Form1Harness
{
    Form1Harness() { view.Attach(form); }

    // What the user does in the last-minute window.
    CountdownWarning& Countdown() { return form.Countdown(); }

    // Starts the program as Windows would: the load handler, then the window is shown.
    void Start()
    {
        form.Form_Load();
        view.Show();
    }

    // Starts at when and arms with a quick choice, or with a typed time for "Saati Belirle"; returns the
    // elapsed time of the arming.
    std::chrono::milliseconds StartAndArm(const platform::LocalDateTime& when, int choice,
                                          scheduler::TimeOfDay typed = {})
    {
        constexpr int kSaatiBelirle = 4;
        clock.Set(when);
        Start();
        view.UserSelectOption(choice);
        for (int i = 0; i < kSaatCount && choice == kSaatiBelirle; ++i)
        {
            view.SetText(Saat(i), scheduler::FieldText(typed[static_cast<std::size_t>(i)]));
        }
        form.Command2_Click();
        form.BtnDorvik_Click();
        return clock.Monotonic();
    }

    // A command line handed over by another copy, as WM_COPYDATA brings it; the answer's text in said.
    command::ExitCode CopyData(const std::vector<std::wstring>& arguments, std::wstring* said = nullptr)
    {
        return form.Form_CopyData(*command::EncodeArguments(arguments), said);
    }

    // Ticks as Timer1 does for span from now; whether the closing began meanwhile.
    bool TickFor(std::chrono::milliseconds span)
    {
        return TickUntilClosing(clock.Monotonic(), span).has_value();
    }

    // Ticks as Timer1 does, every 500 ms, first running each step whose time since `from` has come; the real
    // time since `from` of the tick that began the closing, or nothing within span.
    std::optional<std::chrono::milliseconds> TickUntilClosing(
        std::chrono::milliseconds from, std::chrono::milliseconds span,
        std::vector<std::pair<std::chrono::milliseconds, std::function<void()>>> steps = {})
    {
        using namespace std::chrono_literals;
        while (clock.Monotonic() - from < span)
        {
            clock.Advance(500ms);
            const std::chrono::milliseconds now = clock.Monotonic() - from;
            for (auto& [at, step] : steps)
            {
                if (step && now >= at)
                {
                    std::exchange(step, nullptr)();
                }
            }
            try
            {
                form.Timer1_Tick();
            }
            catch (const platform::ProgramEnded&)
            {
                return now;
            }
        }
        return std::nullopt;
    }

    platform::FakeClock clock;
    platform::FakeDialogs dialogs;
    platform::FakeInstance instance;
    platform::FakeRuntime runtime;
    platform::FakeWindowSystem windows;
    platform::FakeTray tray;
    platform::FakePower power;
    platform::FakeEventPump events{clock};
    Modulum modulum;
    FakeForm1View view;
    FakePickerHost picker{modulum, view};
    FakeCountdownWarningView countdown;
    platform::FakeActivity activity;
    platform::FakeEventLog eventLog;
    Form1 form{view, modulum,
               Form1Services{.clock = clock,
                             .dialogs = dialogs,
                             .instance = instance,
                             .runtime = runtime,
                             .windows = windows,
                             .tray = tray,
                             .power = power,
                             .events = events,
                             .picker = picker,
                             .countdown = countdown,
                             .activity = activity,
                             .eventLog = eventLog}};
};

} // namespace dorvik::test
