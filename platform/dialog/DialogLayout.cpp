#include "platform/dialog/DialogLayout.h"

#include <algorithm>
#include <cmath>

#include <wx/dcclient.h>
#include <wx/font.h>
#include <wx/window.h>

DialogUnitScale FontDialogUnits(const wxFont& font, const wxWindow& window)
{
    wxClientDC dc(const_cast<wxWindow*>(&window));
    dc.SetFont(font);
    wxCoord width = 0;
    wxCoord height = 0;
    dc.GetTextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", &width, &height);
    // The average character width as Win32 rounds it.
    const int averageWidth = (width / 26 + 1) / 2;
    return {averageWidth / 4.0, height / 8.0};
}

wxRect ToPixels(int x, int y, int width, int height, DialogUnitScale scale)
{
    const auto left = static_cast<int>(std::lround(x * scale.x));
    const auto top = static_cast<int>(std::lround(y * scale.y));
    const auto right = static_cast<int>(std::lround((x + width) * scale.x));
    const auto bottom = static_cast<int>(std::lround((y + height) * scale.y));
    return {left, top, right - left, bottom - top};
}

DialogUnitScale FitScale(DialogUnitScale fontUnits, std::span<const ControlFit> controls)
{
    double growth = 1.0;
    for (const ControlFit& c : controls) {
        if (c.width > 0)
            growth = std::max(growth, c.needed.x / (c.width * fontUnits.x));
        if (c.height > 0)
            growth = std::max(growth, c.needed.y / (c.height * fontUnits.y));
    }
    // Rounding the edges may still take a pixel from a slot.
    const auto fits = [&](double g) {
        return std::all_of(controls.begin(), controls.end(), [&](const ControlFit& c) {
            const wxRect slot = ToPixels(c.x, c.y, c.width, c.height, {fontUnits.x * g, fontUnits.y * g});
            return (c.width <= 0 || slot.width >= c.needed.x) && (c.height <= 0 || slot.height >= c.needed.y);
        });
    };
    while (!fits(growth))
        growth += 1.0 / 64;
    return {fontUnits.x * growth, fontUnits.y * growth};
}
