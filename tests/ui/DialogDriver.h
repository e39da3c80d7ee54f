#pragma once

#include "platform/dialog/Dialog.h"

#include <string>
#include <vector>

// Works a dialog's controls the way the toolkit does when the user clicks:
// the events go through the window's own event path, so an exception that
// escapes a handler reaches the application's exception hook.

// A click on a push button; fails the test if the button is disabled.
void ClickButton(CDialog& dialog, int id);
// A click on a radio button: the pair's check marks move first, then the
// dialog hears of the click, also when the button was checked already.
void ClickRadio(CDialog& dialog, int id);
// A key press as the dialog's key hook sees it.
void PressKey(CDialog& dialog, int keyCode, int modifiers = 0);
// The entries of a drop-down list, in order.
std::vector<std::string> ListEntries(CDialog& dialog, int id);
