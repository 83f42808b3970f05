#pragma once

#include "report/ReportLayout.h"
#include "report/ReportRecord.h"
#include "report/ReportRenderer.h"

#include <QString>

#include <optional>
#include <vector>

namespace quillon::report {

// Renders the layout file at `layoutPath` over the tables one print writes (as if read back
// from the report database) straight into a PDF file. False, with `error` set, when the layout
// cannot be read, the print writes no table the layout reads, or the file cannot be written.
bool renderToPdf(const QString &layoutPath, const std::vector<ReportData> &tables,
                 const QString &pdfPath, QString *error);

// The same for a layout already read and its record and rows; `title` becomes the document's
// title. The preview's export button writes through this.
bool writePdf(const ReportLayout &layout, const ReportSource &source, const QString &pdfPath,
              const QString &title, QString *error);

// What a layout reads from one print's tables: the record of its own table (a row table gives
// its first row) and the rows of the table its detail band repeats over. Nothing, with `error`
// naming the table, when the print does not write a table the layout reads.
std::optional<ReportSource> sourceFrom(const ReportLayout &layout,
                                       const std::vector<ReportData> &tables, QString *error);

} // namespace quillon::report
