#pragma once

class IModalServices;
class wxWindow;

// For a wxWidgets exception hook, inside its catch: shows the message of a
// CException in an error box and answers true, so the event loop goes on.
// Any other exception answers false.
bool ShowEscapedException(IModalServices& modal, wxWindow* owner);
