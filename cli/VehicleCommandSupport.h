#pragma once

#include "cli/Command.h"

namespace quillon::cli {

// The two vehicle sub-commands; registerVehicleCommands adds both.
Command carAllowanceCommand();
Command companyCarCommand();

} // namespace quillon::cli
