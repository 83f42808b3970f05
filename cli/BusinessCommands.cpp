#include "cli/Command.h"

namespace quillon::cli {

void registerBusinessCommands(CommandRegistry &) {}

} // namespace quillon::cli
