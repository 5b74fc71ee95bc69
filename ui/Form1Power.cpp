// The main window's kind of closing and the closing itself: the kind menu, the kind in force (sleep and
// hibernation too, which the menu has no item for), the closing sequence, and what follows a rehearsal or a
// sleep, after which the program goes on.
#include "power/ClosingSequence.h"
#include "resources/UiText.h"
#include "scheduler/KindTexts.h"
#include "ui/Form1.h"

namespace dorvik
{

using platform::IconId;
using scheduler::ClosingKind;

// The closing sequence works on the window through this narrow view of it.
class Form1::ClosingWindow final : public power::IClosingWindow
{
public:
    explicit ClosingWindow(Form1& form) noexcept
        : form_(form)
    {
    }

    void StopTimer() override { form_.view_.SetTimerEnabled(false); }

    void ShowStatus(std::wstring_view text) override { form_.view_.SetStatusText(text); }

    void ShowIcon(IconId icon) override { form_.view_.SetIcon(icon); }

    ClosingKind KindToCarryOut() const override { return form_.KindInForce(); }

private:
    Form1& form_;
};

std::optional<MenuItem> Form1::MarkedKindItem() const
{
    for (const auto& [item, kind] : kKindItems)
    {
        if (view_.Checked(item))
        {
            return item;
        }
    }
    return std::nullopt;
}

ClosingKind Form1::KindFromMarks() const
{
    // While a sleep or a hibernation holds, no item is marked: the menu's kind is the one it had.
    const MenuItem marked = MarkedKindItem().value_or(kindMarkedBefore_);
    for (const auto& [item, kind] : kKindItems)
    {
        if (item == marked)
        {
            return kind;
        }
    }
    return ClosingKind::Shutdown;
}

ClosingKind Form1::KindInForce() const
{
    return closing_.KindBeyondMenu().value_or(KindFromMarks());
}

void Form1::MarkKind(MenuItem item)
{
    for (const auto& [kindItem, kind] : kKindItems)
    {
        view_.SetChecked(kindItem, kindItem == item);
    }
}

void Form1::MarkKindInForce(ClosingKind kind)
{
    if (!scheduler::Suspends(kind))
    {
        for (const auto& [item, itemKind] : kKindItems)
        {
            if (itemKind == kind)
            {
                MarkKind(item);
            }
        }
        return;
    }
    // The kind menu has no item for it: none carries the mark while it holds.
    kindMarkedBefore_ = MarkedKindItem().value_or(kindMarkedBefore_);
    for (const auto& [item, itemKind] : kKindItems)
    {
        view_.SetChecked(item, false);
    }
}

void Form1::RestoreKindMark()
{
    if (!MarkedKindItem())
    {
        MarkKind(kindMarkedBefore_);
    }
}

void Form1::SelectKind(MenuItem item, std::wstring_view changedMessage)
{
    if (view_.Checked(item))
    {
        return;
    }
    MarkKind(item);
    closing_.KindChosenInMenu();
    if (modulum_.KapamaAktif)
    {
        UpdateTip();
        MsgBox(changedMessage, view_.Caption(), platform::MsgStyle::Information);
    }
}

void Form1::BilgisayariKapat_Click()
{
    SelectKind(MenuItem::BilgisayariKapat, text::kKindChangedBilgisayariKapat);
}

void Form1::OturumuKapat_Click()
{
    SelectKind(MenuItem::OturumuKapat, text::kKindChangedOturumuKapat);
}

void Form1::BilgisayariYenidenBaslat_Click()
{
    SelectKind(MenuItem::BilgisayariYenidenBaslat, text::kKindChangedBilgisayariYenidenBaslat);
}

void Form1::KapamayiUygula()
{
    closingUnderWay_ = true;
    ClosingWindow window(*this);
    const bool rehearsal = closing_.Rehearsal();
    const power::ClosingResult result = power::KapamayiUygula(window, modulum_.TepsiKaydi,
                                                              {.clock = services_.clock,
                                                               .events = services_.events,
                                                               .tray = tray_,
                                                               .power = services_.power,
                                                               .dialogs = services_.dialogs,
                                                               .runtime = services_.runtime,
                                                               .eventLog = services_.eventLog},
                                                              rehearsal);
    // Only a rehearsal and a sleep come back: the program goes on, green and with nothing armed.
    const ClosingKind carriedOut = KindInForce();
    closingUnderWay_ = false;
    SetFormIcon(IconId::Dorvik);
    if (tray_.IconPresent())
    {
        tray_.Notify(platform::TrayMessage::Modify, modulum_.TepsiKaydi);
    }
    Disarm();
    view_.SetTimerEnabled(true);
    if (result == power::ClosingResult::Rehearsed)
    {
        TellRehearsalOver(carriedOut);
    }
}

void Form1::TellRehearsalOver(ClosingKind kind)
{
    const std::wstring_view said = scheduler::TextsFor(kind).rehearsed;
    // Whoever has the window open reads it there; from the notification area it comes as the warning did.
    if (view_.Shown() || !tray_.IconPresent())
    {
        MsgBox(said, view_.Caption(), platform::MsgStyle::Information);
        return;
    }
    tray_.ShowBalloon(modulum_.TepsiKaydi, view_.Caption(), said);
}

} // namespace dorvik
