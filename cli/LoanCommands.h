#pragma once

#include "cli/Command.h"

namespace quillon::cli {

// loan, loan-buster and loan-comparison; registered by registerBusinessCommands.
void registerLoanCommands(CommandRegistry &registry);

} // namespace quillon::cli
