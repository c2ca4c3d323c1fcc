#pragma once
// The way out of a settings page by keyboard, shared by the three pages:
// Alt+C gives the focus to the main window's "&Close" and goes on to it;
// Tab on the page's last enabled control leads to "&Close", Shift+Tab on
// its first one to the tab control. Other keys get the page's own dialog
// handling, unless the page is hidden: then they do nothing.
#include "framework/CDialog.h"

namespace PageKeyboard {

// firstControlId: the page's control where the keyboard enters the page.
BOOL PreTranslateMessage(CDialog& page, MSG* pMsg, UINT firstControlId);

// A key for a window not shown. The tray menu leaves the hidden settings
// window the focus: what is typed then must reach none of its controls.
bool IsKeyForHiddenWindow(const MSG* pMsg);

} // namespace PageKeyboard
