#pragma once

#include "cli/Command.h"
#include "cli/LineStream.h"

#include <QIODevice>
#include <QStringList>
#include <QTextStream>

namespace quillon::cli {

// quillon-calc's whole command line: picks the sub-command, reads its JSON input (a file
// argument, or standard input through `readInput`) one object per line, and writes one answer
// per input line to `out` as soon as it is worked out; problems go to `err`. With --pdf the
// input is one object, which may span lines. Returns the process exit code.
int runCommandLine(const CommandRegistry &registry, const QStringList &arguments,
                   const ReadFunction &readInput, QIODevice &out, QTextStream &err);

// Exit codes besides 0.
inline constexpr int kExitRefused = 1;     // at least one input line was refused
inline constexpr int kExitUsage = 2;       // the command line or the input file is wrong
inline constexpr int kExitWriteFailed = 3; // an answer or the PDF could not be written

// The text --help prints, for the whole tool or one sub-command.
QString helpText(const CommandRegistry &registry);
QString helpText(const Command &command);

} // namespace quillon::cli
