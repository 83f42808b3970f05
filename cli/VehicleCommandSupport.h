#pragma once

#include "cli/Command.h"
#include "report/ReportRecord.h"

namespace quillon::cli {

// The two vehicle sub-commands; registerVehicleCommands adds both.
Command carAllowanceCommand();
Command companyCarCommand();

// Renders a vehicle report for --pdf from the layout of that name in the data folder.
CommandResult withPdf(CommandResult result, const RunOptions &options, const QString &layout,
                      const report::ReportData &data);

} // namespace quillon::cli
