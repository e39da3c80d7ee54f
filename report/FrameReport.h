#pragma once

#include "report/ReportSettings.h"
#include "video/AviStream.h"

#include <functional>
#include <string>

class CStdioFile;

enum class ExportResult {
    Completed,   // every line written and the file closed
    ReadFailed,  // a frame could not be read; the file holds the lines before it
    PassFailed,  // a write failed during the pass; message holds its text
};

struct ExportOutcome {
    ExportResult result;
    std::string message;
};

// Writes the frame report of `avi` (which must be open) to `file` (open and
// empty): the header, then one line per group of frames. The settings are read
// through `readSettings` after the header and the frame count, as the dialog's
// controls are. The file is closed before this returns on every path that
// returns. A CFileException from the header or from the final close leaves this
// function (the file object's destructor then closes the file).
ExportOutcome ExportFrameReport(CStdioFile& file, const CAviStream& avi,
                                const std::function<ReportSettings()>& readSettings);
