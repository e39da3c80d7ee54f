#pragma once

#include "platform/avi/AviLayout.h"
#include "platform/avi/FileReader.h"
#include "platform/avi/FrameTable.h"

#include <vector>

enum class IndexSource {
    None,    // not a video stream, or no source at all (no movi list)
    OpenDml, // the strl's indx and its ix## chunks
    Idx1,    // the legacy idx1
    Scan,    // a walk over the movi lists
};

struct StreamFrames {
    FrameTable table;
    IndexSource source = IndexSource::None;
};

// The frames of every video stream of the layout, each from the best source
// that reads without damage. One entry per stream; non-video streams stay
// empty, so memory goes to video frames only.
std::vector<StreamFrames> LoadFrameTables(const FileReader& file, const AviFileLayout& layout);
