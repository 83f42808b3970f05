#include "cli/Command.h"
#include "cli/VehicleCommandSupport.h"
#include "report/PdfExport.h"

#include <QDir>

namespace quillon::cli {

CommandResult withPdf(CommandResult result, const RunOptions &options, const QString &layout,
                      const report::ReportData &data) {
    if (!result.error.isEmpty() || options.pdfPath.isEmpty())
        return result;
    QString error;
    if (!report::renderToPdf(QDir(options.dataFolder).filePath(layout), data, options.pdfPath,
                             &error))
        return CommandResult::failure(error);
    return result;
}

void registerVehicleCommands(CommandRegistry &registry) {
    registry.add(carAllowanceCommand());
    registry.add(companyCarCommand());
}

} // namespace quillon::cli
