#pragma once

#include "report/ReportLayout.h"
#include "report/ReportRecord.h"
#include "report/ReportRenderer.h"

#include <QString>

namespace quillon::report {

// Renders the layout file at `layoutPath` over `data` (as if read back from the report
// database) straight into a PDF file. False, with `error` set, when the layout cannot be read
// or the file cannot be written.
bool renderToPdf(const QString &layoutPath, const ReportData &data, const QString &pdfPath,
                 QString *error);

// The same for a layout already read and its record and rows; `title` becomes the document's
// title. The preview's export button writes through this.
bool writePdf(const ReportLayout &layout, const ReportSource &source, const QString &pdfPath,
              const QString &title, QString *error);

// What a layout reads from one print's data: a single-record table gives the record, a row
// table its rows (and its first row as the record).
ReportSource sourceFrom(const ReportData &data);

} // namespace quillon::report
