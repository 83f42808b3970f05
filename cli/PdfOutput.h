#pragma once

#include "cli/Command.h"

namespace quillon::cli {

// Renders a print job into the --pdf file. The report is drawn into a private temporary file
// first and checked to be complete; it then replaces the requested file in one rename, so a
// failed or partial write never leaves a broken PDF under that name. A target that is not a
// regular file (a device, a pipe) is written straight, every write checked.
struct PdfOutcome {
    QString error;        // empty on success, else what failed in words, then the detail
    bool written = false; // the report was drawn but could not be written out
};
PdfOutcome writePdfFile(const report::PrintJob &job, const RunOptions &options);

} // namespace quillon::cli
