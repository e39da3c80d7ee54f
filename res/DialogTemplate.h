#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// A dialog described as data: the controls in template order (which is also
// the tab order and the stacking order), positions and sizes in dialog units
// of the dialog's own font, and the list entries added when it starts.

enum class ControlKind {
    PushButton,
    Label,
    EditField,
    GroupBox,
    AutoRadioButton,
    DropDownList,
};

// Styles beyond "visible child window", as bit flags.
namespace ControlStyle {
constexpr uint32_t kTabStop = 1u << 0;
constexpr uint32_t kGroup = 1u << 1;         // starts a new control group
constexpr uint32_t kDefaultButton = 1u << 2; // Enter activates it
constexpr uint32_t kBorder = 1u << 3;
constexpr uint32_t kReadOnly = 1u << 4;
constexpr uint32_t kRightAlign = 1u << 5;
constexpr uint32_t kAutoHScroll = 1u << 6;
constexpr uint32_t kNumber = 1u << 7;        // typed digits only
constexpr uint32_t kSort = 1u << 8;          // a list that keeps its entries sorted
constexpr uint32_t kVScroll = 1u << 9;
} // namespace ControlStyle

struct DialogControl {
    int id;                 // IDC_STATIC (-1) for labels and group boxes
    ControlKind kind;
    std::string_view text;  // UTF-8; lines of a label are separated by "\r"
    int x, y, width, height;
    uint32_t styles;
};

// The request code of "add a string to a combo box" in list data records.
constexpr uint16_t kListAddString = 0x0403;

struct ListDataRecord {
    int controlId;
    uint16_t request;
    std::string_view text;  // UTF-8
};

struct DialogTemplate {
    int id;
    std::string_view caption;
    std::string_view fontFace;
    int fontPointSize;
    int width, height;
    std::span<const DialogControl> controls;
    std::span<const ListDataRecord> listData;
};
