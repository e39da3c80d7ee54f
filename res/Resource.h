#pragma once

// Identifiers of the main dialog, its controls and the string table.

constexpr int IDD_MAIN_DIALOG = 102;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDC_STATIC = -1;
constexpr int IDC_OPEN = 1000;
constexpr int IDC_WIDTH = 1001;
constexpr int IDC_HEIGHT = 1002;
constexpr int IDC_FRAME_COUNT = 1003;
constexpr int IDC_FRAME_RATE = 1004;
constexpr int IDC_SAVE_FRAME_INFO = 1006;
constexpr int IDC_EACH_FRAME = 1007;
constexpr int IDC_EVERY_N_FRAMES = 1008;
constexpr int IDC_N_FRAMES = 1009;
constexpr int IDC_SIZE_MODE = 1014;
constexpr int IDC_SIZE_UNIT = 1015;

constexpr unsigned IDS_NOT_OPENED = 1;
constexpr unsigned IDS_CREATE_FAILED = 2;
constexpr unsigned IDS_READ_FAILED = 3;
constexpr unsigned IDS_EXPORT_DONE = 4;
