#pragma once

#include <cstdint>
#include <optional>

// The report's options, derived from the states of the dialog's option
// controls (or the command line's equivalents) when an export starts.
struct ReportSettings {
    uint32_t unitDivisor = 1;     // 1, 1000 or 1000000
    int32_t groupFrameCount = 1;  // frames per report line, at least 1
    bool averageMode = false;     // size column: group total ÷ frames, not total
};

// Selection indexes of the two lists, in their sorted order.
enum SizeModeIndex : int { kSizeModeTotal = 0, kSizeModeAverage = 1 };
enum SizeUnitIndex : int { kSizeUnitByte = 0, kSizeUnitKilo = 1, kSizeUnitMega = 2 };

// Index 1 gives 1000, index 2 gives 1000000, anything else (no selection too) 1.
uint32_t UnitDivisorFor(int sizeUnitSelection);

// The count when "every N frames" is checked and the count is positive;
// otherwise nothing, and the caller falls back to one frame per line.
std::optional<int32_t> GroupFrameCountFor(bool everyNFramesChecked, int32_t countFieldValue);

// Average sizes only with "every N frames" checked and the average entry chosen.
bool AverageModeFor(bool everyNFramesChecked, int sizeModeSelection);

// Reads a count field the way the dialog manager reads an integer: optional
// blanks, an optional sign, decimal digits; 0 for empty text, text that is not
// a number, trailing characters, or a value outside the signed 32-bit range.
int32_t ReadDialogInt(const char* text);
