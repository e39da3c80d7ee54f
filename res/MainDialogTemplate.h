#pragma once

#include "res/DialogTemplate.h"

// IDD_MAIN_DIALOG: the program's one window.
extern const DialogTemplate kMainDialogTemplate;
