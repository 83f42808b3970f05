#include "cli/Command.h"

namespace quillon::cli {

void registerPackageCommands(CommandRegistry &) {}

} // namespace quillon::cli
