#include "cli/Command.h"
#include "cli/VehicleCommandSupport.h"

namespace quillon::cli {

void registerVehicleCommands(CommandRegistry &registry) {
    registry.add(carAllowanceCommand());
    registry.add(companyCarCommand());
}

} // namespace quillon::cli
