#pragma once

#include "cli/Command.h"

#include <QStringList>
#include <QTextStream>

namespace quillon::cli {

// quillon-calc's whole command line: picks the sub-command, reads its JSON input (a file
// argument or standard input; one object, or one object per line), writes one JSON object per
// line and reports problems on `err`. Returns the process exit code.
int runCommandLine(const CommandRegistry &registry, const QStringList &arguments,
                   QTextStream &in, QTextStream &out, QTextStream &err);

// The text --help prints, for the whole tool or one sub-command.
QString helpText(const CommandRegistry &registry);
QString helpText(const Command &command);

} // namespace quillon::cli
