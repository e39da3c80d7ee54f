#include "res/MainDialogTemplate.h"

#include "res/Resource.h"

namespace {

using namespace ControlStyle;

constexpr uint32_t kPropertyField = kBorder | kTabStop | kReadOnly | kRightAlign;
constexpr uint32_t kDropDown = kSort | kVScroll | kTabStop;

constexpr DialogControl kControls[] = {
    {IDOK, ControlKind::PushButton, "終了", 85, 215, 50, 15, kTabStop | kDefaultButton},
    {IDC_OPEN, ControlKind::PushButton, "開く", 5, 215, 50, 15, kTabStop},
    {IDC_STATIC, ControlKind::Label, "画面サイズ", 10, 50, 34, 8, kGroup},
    {IDC_WIDTH, ControlKind::EditField, "", 60, 50, 30, 12, kPropertyField},
    {IDC_HEIGHT, ControlKind::EditField, "", 100, 50, 30, 12, kPropertyField},
    {IDC_STATIC, ControlKind::Label, "×", 91, 55, 8, 8, kGroup},
    {IDC_STATIC, ControlKind::Label, "フレーム数", 10, 70, 33, 8, kGroup},
    {IDC_FRAME_COUNT, ControlKind::EditField, "", 60, 70, 70, 12, kPropertyField | kAutoHScroll},
    {IDC_STATIC, ControlKind::Label, "フレームレート", 10, 90, 45, 8, kGroup},
    {IDC_FRAME_RATE, ControlKind::EditField, "", 60, 90, 55, 12, kPropertyField | kAutoHScroll},
    {IDC_STATIC, ControlKind::Label, "fps", 116, 93, 10, 8, kGroup},
    {IDC_SAVE_FRAME_INFO, ControlKind::PushButton, "フレーム情報の保存", 10, 190, 120, 15, kTabStop},
    {IDC_STATIC, ControlKind::GroupBox, "動画の情報", 5, 35, 130, 70, 0},
    {IDC_STATIC, ControlKind::GroupBox, "フレーム情報の保存", 5, 110, 130, 100, 0},
    {IDC_EACH_FRAME, ControlKind::AutoRadioButton, "１フレームずつ", 10, 120, 59, 10, 0},
    {IDC_EVERY_N_FRAMES, ControlKind::AutoRadioButton, "指定フレームずつ", 10, 130, 68, 10, 0},
    {IDC_N_FRAMES, ControlKind::EditField, "", 20, 140, 50, 12,
     kBorder | kTabStop | kNumber | kAutoHScroll | kRightAlign},
    {IDC_STATIC, ControlKind::Label, "フレーム毎の", 75, 142, 50, 8, kGroup},
    {IDC_SIZE_MODE, ControlKind::DropDownList, "", 20, 155, 50, 55, kDropDown},
    {IDC_SIZE_UNIT, ControlKind::DropDownList, "", 10, 175, 120, 55, kDropDown},
    {IDC_STATIC, ControlKind::Label, "を", 75, 158, 8, 8, kGroup},
    {IDC_STATIC, ControlKind::Label,
     "Quorvel(仮称) Ver 0.01\rAVI動画のビット配分を\rフレームごとに調べます", 5, 5, 130, 25, kGroup},
};

// Added in this order; the lists sort them.
constexpr ListDataRecord kListData[] = {
    {IDC_SIZE_MODE, kListAddString, "平均サイズ"},
    {IDC_SIZE_MODE, kListAddString, "合計サイズ"},
    {IDC_SIZE_UNIT, kListAddString, "Byte単位で"},
    {IDC_SIZE_UNIT, kListAddString, "KB単位で"},
    {IDC_SIZE_UNIT, kListAddString, "MB単位で"},
};

} // namespace

const DialogTemplate kMainDialogTemplate = {
    .id = IDD_MAIN_DIALOG,
    .caption = "Quorvel V0.01",
    .fontFace = "ＭＳ Ｐゴシック",
    .fontPointSize = 9,
    .width = 139,
    .height = 235,
    .controls = kControls,
    .listData = kListData,
};
