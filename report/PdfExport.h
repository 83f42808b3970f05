#pragma once

#include "report/ReportRecord.h"

#include <QString>

namespace quillon::report {

// Renders the layout file at `layoutPath` over `data` (as if read back from the report
// database) straight into a PDF file. False, with `error` set, when the layout cannot be read
// or the file cannot be written.
bool renderToPdf(const QString &layoutPath, const ReportData &data, const QString &pdfPath,
                 QString *error);

} // namespace quillon::report
