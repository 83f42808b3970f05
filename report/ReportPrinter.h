#pragma once

#include "report/ReportLayout.h"

class QPrinter;

namespace quillon::report {

// Page layout, full-page painting and resolution, set on a printer before the report is drawn
// on it (the preview and direct printing).
void preparePrinter(const ReportLayout &layout, QPrinter &printer);

} // namespace quillon::report
