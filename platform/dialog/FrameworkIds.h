#pragma once

// Identifiers and texts that belong to the dialog framework, not to a program.

// The help command that F1 sends; unhandled by a dialog, it reaches the app.
constexpr int kIdHelp = 57670;
// A dialog's help context is this plus its template number.
constexpr int kHelpContextDialogBase = 0x20000;

constexpr const char* kHelpLaunchFailedText = "ﾍﾙﾌﾟの起動に失敗しました。";
