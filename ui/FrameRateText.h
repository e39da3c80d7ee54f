#pragma once

#include <string>

// The frame rate as printf's "%8.4f" shows it in the C locale: four decimals,
// right-aligned in at least eight characters, never cut.
std::string FrameRateText(double framesPerSecond);
