#pragma once

#include "platform/avi/AviLayout.h"
#include "platform/avi/FileReader.h"

// Reads the RIFF structure of an AVI file: the header list (avih, each strl's
// strh, strf, strn and indx), where every 'movi' list lies (in the 'RIFF AVI '
// part and each 'RIFF AVIX' part) and where idx1 is. Reads chunk headers and
// the small header chunks only. False when the file is not a RIFF AVI file
// with a header list.
[[nodiscard]] bool ParseAviLayout(const FileReader& file, AviFileLayout& layout);
