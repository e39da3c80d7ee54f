#pragma once

#include <string_view>

#include <wx/font.h>

// The font a template names, or the closest one this desktop has: IPA P Gothic
// for "ＭＳ Ｐゴシック", the system's sans-serif when neither is installed.
wxFont DialogFont(std::string_view faceName, int pointSize);
