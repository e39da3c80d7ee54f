#pragma once

#include <span>

#include <wx/gdicmn.h>

class wxFont;
class wxWindow;

// Pixels per dialog unit on each axis.
struct DialogUnitScale {
    double x;
    double y;
};

// The height in dialog units of a closed drop-down list: one line of the font
// with the field's border. The template's height includes the opened list.
constexpr int kDropDownLineHeight = 13;

// Dialog units of `font`: a horizontal unit is a quarter of its average
// character width, a vertical unit an eighth of its character height.
DialogUnitScale FontDialogUnits(const wxFont& font, const wxWindow& window);

// A rectangle in dialog units to pixels. Edges are rounded rather than sizes,
// so controls that touch in the template still touch.
wxRect ToPixels(int x, int y, int width, int height, DialogUnitScale scale);

// What one control needs to show itself whole, against the slot the template
// gives it.
struct ControlFit {
    int x, y, width, height; // the slot, in dialog units
    wxSize needed;           // pixels; a coordinate <= 0 asks nothing of that axis
};

// GTK's controls are larger than Win32's at the same font. Grows both axes by
// one factor, so the template's proportions hold, until every control fits its
// slot; never shrinks below the font's own units.
DialogUnitScale FitScale(DialogUnitScale fontUnits, std::span<const ControlFit> controls);
