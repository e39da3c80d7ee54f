#pragma once

#include "platform/avi/AviLayout.h"
#include "platform/avi/FileReader.h"
#include "platform/avi/FrameTable.h"

#include <vector>

// The three places a stream's frames can be learned from, best first. Each
// returns false when its source is missing or damaged; the caller then clears
// what was appended and tries the next. `tables` has one entry per stream of
// the layout; a null entry is a stream whose frames are not wanted.

// The OpenDML index of one stream: its strl's indx (a super index over the
// ix## standard indexes of every RIFF part, or a standard index itself).
[[nodiscard]] bool ReadOpenDmlIndex(const FileReader& file, const AviFileLayout& layout, unsigned stream,
                                    FrameTable& table);

// The legacy idx1 of the first RIFF part.
[[nodiscard]] bool ReadIdx1(const FileReader& file, const AviFileLayout& layout,
                            const std::vector<FrameTable*>& tables);

// A walk over the chunks of every movi list, for files without a usable index.
[[nodiscard]] bool ScanMovi(const FileReader& file, const AviFileLayout& layout,
                            const std::vector<FrameTable*>& tables);
