#pragma once

#include "cli/Command.h"

namespace quillon::cli {

// loan, loan-buster and loan-comparison; registered by registerBusinessCommands.
void registerLoanCommands(CommandRegistry &registry);

// Refuses a figure above the field's limit (with the window's message when it has one) or below
// 0; returns the figure.
double limitedNumber(InputReader &r, const QString &key, double max, const QString &message = {});

} // namespace quillon::cli
