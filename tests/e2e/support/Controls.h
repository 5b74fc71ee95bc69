// Reading and working the standard controls of another process: buttons, edits, combo boxes, scroll bars
// and the status bar.
#pragma once

#include <string>
#include <vector>

#include "support/Window.h"

namespace dorvik::e2e
{

// Buttons -----------------------------------------------------------------------------------------------

// The button's kind from its style (BS_PUSHBUTTON, BS_GROUPBOX, BS_AUTORADIOBUTTON, ...).
DWORD ButtonType(const Window& button) noexcept;

// BM_GETCHECK == BST_CHECKED.
bool IsChecked(const Window& button);

// A click as the user makes it: the button checks itself (radio buttons uncheck their group) and its parent
// gets BN_CLICKED. Posted, because a click that opens a modal box would block a sent message until the box
// closes. BM_SETCHECK would do neither.
void Click(const Window& button);

// Edits -------------------------------------------------------------------------------------------------

// EM_GETLIMITTEXT: the most characters the user can type.
int EditLimit(const Window& edit);

// Combo boxes -------------------------------------------------------------------------------------------

struct ComboItem
{
    std::wstring text;
    LRESULT data = 0;

    friend bool operator==(const ComboItem&, const ComboItem&) = default;
};

std::vector<ComboItem> ComboItems(const Window& combo);

// CB_GETCURSEL; -1 when nothing is selected.
int ComboSelection(const Window& combo);

// Selects entry index and tells the parent, as a user's choice does: CB_SETCURSEL alone raises no
// CBN_SELCHANGE, so the notification is posted to the parent afterwards.
void SelectComboItem(const Window& combo, int index);

// Scroll bars -------------------------------------------------------------------------------------------

struct ScrollState
{
    int min = 0;
    int max = 0;
    int position = 0;
    unsigned page = 0;

    friend bool operator==(const ScrollState&, const ScrollState&) = default;
};

// SBM_GETPOS: works across processes without help.
int ScrollPosition(const Window& scrollBar);

// Range, position and page of a scroll bar control (SBM_GETSCROLLINFO, which the system marshals).
ScrollState ScrollBarState(const Window& scrollBar);

// Status bar --------------------------------------------------------------------------------------------

// The text of one part. Part 0 is also what WM_GETTEXT answers. SB_GETTEXTW lies above WM_USER and is not
// marshalled, so this reads through a buffer in the target process.
std::wstring StatusBarText(const Window& statusBar, int part = 0);

// The right edges of the parts (-1: up to the right end), through SB_GETPARTS.
std::vector<int> StatusBarParts(const Window& statusBar);

} // namespace dorvik::e2e
