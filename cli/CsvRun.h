#pragma once

#include "cli/Command.h"
#include "cli/LineStream.h"

#include <QFile>
#include <QIODevice>
#include <QTextStream>

namespace quillon::cli {

// quillon-calc COMMAND --csv: reads the command's inputs as CSV, a header of input keys and
// one case a row, and writes one CSV answer per row as soon as it is worked out (see
// CsvAnswerLayout for the columns). `input` is the input file when one was named, for its
// error text. Returns the process exit code, as the JSON mode does.
int runCsv(const Command &command, const RunOptions &options, const ReadFunction &read,
           QIODevice &out, QTextStream &err, const QFile &input);

// What --help says about --csv: for the whole tool, and the CSV columns of one command.
QString csvHelpText();
QString csvHelpText(const Command &command);

} // namespace quillon::cli
