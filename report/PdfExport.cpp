#include "report/PdfExport.h"

namespace quillon::report {

bool renderToPdf(const QString &, const ReportData &, const QString &, QString *error) {
    if (error)
        *error = QStringLiteral("report rendering is not available yet");
    return false;
}

} // namespace quillon::report
