#include "cli/Command.h"

namespace quillon::cli {

void registerVehicleCommands(CommandRegistry &) {}

} // namespace quillon::cli
