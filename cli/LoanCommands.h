#pragma once

#include "cli/Command.h"

namespace quillon::cli {

// loan, loan-buster and loan-comparison; registered by registerBusinessCommands.
void registerLoanCommands(CommandRegistry &registry);

// A figure of a window field (see InputReader::number). Above the field's maximum the window's
// own message, when it has one, comes first and the key, figure and range after it.
double fieldNumber(InputReader &r, const QString &key, const tax::FieldRange &range,
                   const QString &aboveMessage = {});

} // namespace quillon::cli
