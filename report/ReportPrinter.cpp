#include "report/ReportPrinter.h"

#include "report/ReportRenderer.h"

#include <QPrinter>

namespace quillon::report {

void preparePrinter(const ReportLayout &layout, QPrinter &printer) {
    printer.setResolution(kReportResolution);
    printer.setFullPage(true);
    printer.setPageLayout(reportPageLayout(layout));
}

} // namespace quillon::report
