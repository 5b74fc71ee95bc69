// The main window in the notification area: minimising into it, the icon's callback from the mouse and the
// keyboard, the restore and the tray menu, the shell restarting, and leaving from there.
#include "tray/TrayRecord.h"
#include "ui/Form1.h"

namespace dorvik
{

using platform::TrayMessage;

namespace
{

// Holds a flag up for as long as the scope lasts, whatever ends it.
class FlagScope
{
public:
    explicit FlagScope(bool& flag) noexcept
        : flag_(flag)
    {
        flag_ = true;
    }

    ~FlagScope() { flag_ = false; }

    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

} // namespace

bool Form1::HideToTray()
{
    // The window goes only once its icon is there: without one, the program would be out of reach.
    shownForWantOfIcon_ = !tray_.AddPatiently(modulum_.TepsiKaydi);
    if (shownForWantOfIcon_)
    {
        return false;
    }
    view_.Hide();
    return true;
}

void Form1::Form_Resize()
{
    if (view_.State() == WindowState::Minimized)
    {
        HideToTray();
    }
}

void Form1::Form_MouseMove(int /*button*/, int /*shift*/, double x, double /*y*/)
{
    // The shell's callback arrives as a mouse move, so does every real move over the shown window, and a
    // window wider than 514 pixels (325 % scaling) has real moves at the callback's numbers.
    if (!tray_.IconPresent())
    {
        return;
    }
    const int mouseMessage =
        tray::DecodeCallbackX(x, view_.CoordinateUnit() == ScaleMode::Twip, view_.TwipsPerPixelX());
    // A right click comes as the button's release and then once more as a request for the context menu.
    const bool sameRightClick = lastTrayMessage_ == tray::kRightButtonUp;
    lastTrayMessage_ = mouseMessage;
    switch (mouseMessage)
    {
    // The shell follows a left click's release with NIN_SELECT; the first restore takes the icon away, so the
    // second finds nothing to do.
    case tray::kLeftButtonUp:
    case tray::kSelect:
    case tray::kKeySelect:
        RestoreFromTray();
        break;
    case tray::kBalloonClick:
        // The warning says "click here to stop it": the window comes back where the closing can be cancelled.
        mPopRestore_Click();
        break;
    case tray::kRightButtonUp:
        OpenTrayMenu(false);
        break;
    case tray::kContextMenu:
        if (!sameRightClick)
        {
            OpenTrayMenu(true);
        }
        break;
    default:
        break;
    }
}

void Form1::RestoreFromTray()
{
    tray_.Notify(TrayMessage::Delete, modulum_.TepsiKaydi);
    view_.SetState(WindowState::Normal);
    view_.SetForeground();
    view_.Show();
    // The last minute is counting: the user who came for the program gets the window that can stop it.
    countdown_.BringToFront();
}

void Form1::OpenTrayMenu(bool fromKeyboard)
{
    // The shell may report the click once more while the menu is open, and a menu must not open over itself.
    if (trayMenuOpen_)
    {
        return;
    }
    const FlagScope open(trayMenuOpen_);
    // The window must be in the foreground, or the menu stays open when the user clicks elsewhere.
    view_.SetForeground();
    view_.PopupMenu(MenuItem::mPopupSys, fromKeyboard ? tray_.IconArea(modulum_.TepsiKaydi) : std::nullopt);
    // A keyboard user goes on from the icon where the menu was opened, unless the chosen command took the
    // icon away (as "Geri Getir" does).
    if (fromKeyboard && tray_.IconPresent())
    {
        tray_.ReturnFocus(modulum_.TepsiKaydi);
    }
}

void Form1::Form_EndSession(bool ending)
{
    if (ending && tray_.IconPresent())
    {
        tray_.Notify(TrayMessage::Delete, modulum_.TepsiKaydi);
    }
}

void Form1::Form_TaskbarCreated()
{
    // At a slow log-on the shell refused the icon, and an armed closing kept its window on the screen to stay
    // within reach; now the shell is there, the closing waits in the notification area as it should.
    if (shownForWantOfIcon_ && modulum_.KapamaAktif)
    {
        HideToTray();
        return;
    }
    if (!tray_.IconPresent())
    {
        return;
    }
    tray_.ShellRestarted();
    if (!tray_.AddPatiently(modulum_.TepsiKaydi))
    {
        // The hidden window would have no way back: it comes back itself.
        shownForWantOfIcon_ = true;
        view_.SetState(WindowState::Normal);
        view_.Show();
    }
}

void Form1::mPopRestore_Click()
{
    view_.SetState(WindowState::Normal);
    view_.SetForeground();
    view_.Show();
    tray_.Notify(TrayMessage::Delete, modulum_.TepsiKaydi);
    countdown_.BringToFront();
}

void Form1::mPopExit_Click()
{
    tray_.Notify(TrayMessage::Delete, modulum_.TepsiKaydi);
    EndProgram();
}

} // namespace dorvik
