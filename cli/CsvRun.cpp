#include "cli/CsvRun.h"

#include "cli/CsvInput.h"
#include "cli/CsvOutput.h"
#include "cli/Runner.h"

#include <algorithm>
#include <optional>

namespace quillon::cli {

namespace {

bool blankRow(const std::vector<std::string> &cells) {
    for (const std::string &c : cells)
        if (c.find_first_not_of(" \t") != std::string::npos)
            return false;
    return true;
}

// The command's answer for its opening values: where the keys inside its nested answers come
// from before the first row is answered.
std::optional<JsonDocument> sampleAnswer(const Command &command, const RunOptions &options) {
    JsonDocument empty;
    empty.SetObject();
    const CommandResult result = command.run(empty, options);
    JsonDocument answer;
    if (!result.error.isEmpty() || !parseObject(result.output.text(), answer).isEmpty())
        return std::nullopt;
    return answer;
}

CsvAnswerLayout answerLayout(const Command &command, const RunOptions &options) {
    const std::optional<JsonDocument> sample = sampleAnswer(command, options);
    return CsvAnswerLayout(command, sample ? &*sample : nullptr);
}

} // namespace

QString csvHelpText() {
    return QStringLiteral(
        "\nWith --csv the input and the answers are CSV, for a spreadsheet: the first row names\n"
        "the input keys, each further row is one case (a blank cell leaves its key out; a list\n"
        "is written as JSON). The answers have a header of the output keys (nested ones as\n"
        "lookup.totalTax), one row per input row in order, and the row's input line in \"line\";\n"
        "a refused row keeps its place with the reason in \"error\". For example:\n"
        "  printf 'age,salary,bonus\\n35,25000,\\n67,40000,5000\\n' \\\n"
        "    | quillon-calc monthly --csv > paye.csv\n");
}

QString csvHelpText(const Command &command) {
    QString text = QStringLiteral("\n--csv answers with the columns:\n  ");
    int width = 2;
    const std::vector<std::string> headings = answerLayout(command, {}).headings();
    for (std::size_t i = 0; i < headings.size(); ++i) {
        const QString heading = QString::fromStdString(headings[i]) +
                                (i + 1 < headings.size() ? QStringLiteral(",") : QString());
        if (width + heading.size() > 98) {
            text += QStringLiteral("\n  ");
            width = 2;
        }
        text += heading;
        width += static_cast<int>(heading.size());
    }
    text += u'\n';
    for (const JsonKey &k : command.outputs)
        if (k.kind == KeyKind::List &&
            std::any_of(command.outputs.begin(), command.outputs.end(), [&k](const JsonKey &item) {
                return item.name.startsWith(k.name + u"[].");
            }))
            text += QStringLiteral("The items of \"%1\" follow their answer's row as rows of their "
                                   "own\n(on that row when there is a single item).\n")
                        .arg(k.name);
    for (const JsonKey &k : command.inputs)
        if (const qsizetype items = k.name.indexOf(QLatin1String("[].")); items >= 0) {
            text += QStringLiteral("A row holds one item of \"%1\": its keys are the input "
                                   "columns\n(\"%2\" or \"%1.%2\").\n")
                        .arg(k.name.left(items), k.name.mid(items + 3));
            break;
        }
    return text;
}

int runCsv(const Command &command, const RunOptions &options, const ReadFunction &read,
           QIODevice &out, QTextStream &err, const QFile &input) {
    const QString who = QStringLiteral("quillon-calc ") + command.name + QStringLiteral(": ");
    if (!options.pdfPath.isEmpty()) {
        err << who << "--csv and --pdf cannot be used together\n";
        return kExitUsage;
    }
    const auto readFailed = [&] {
        err << who << "the input could not be read"
            << (input.isOpen() ? QStringLiteral(": ") + input.errorString() : QString()) << "\n";
        return kExitUsage;
    };
    CsvReader reader(read);
    std::vector<std::string> cells;
    CsvReader::Status status = reader.next(cells);
    // Blank lines above the header are passed over, as blank rows are below it.
    while (status == CsvReader::Status::Record && reader.problem().isEmpty() && blankRow(cells))
        status = reader.next(cells);
    if (status == CsvReader::Status::Failed)
        return readFailed();
    if (status == CsvReader::Status::End) {
        err << who << "no header row\n";
        return kExitRefused;
    }
    const CsvInputColumns columns(command, cells);
    if (!reader.problem().isEmpty() || !columns.error().isEmpty()) {
        err << who << "line " << reader.lineNumber() << ": "
            << (reader.problem().isEmpty() ? columns.error() : reader.problem()) << "\n";
        return kExitUsage;
    }

    const CsvAnswerLayout layout = answerLayout(command, options);
    AnswerWriter writer(out);
    writer.line(layout.header());
    std::int64_t answered = 0;
    std::int64_t refused = 0;
    while (!writer.failed()) {
        // Answers reach the reader of a pipe before the tool waits for more input.
        if (!reader.lineBuffered())
            writer.flush();
        status = reader.next(cells);
        if (status == CsvReader::Status::Failed) {
            writer.flush();
            return readFailed();
        }
        if (status == CsvReader::Status::End)
            break;
        if (reader.problem().isEmpty() && blankRow(cells))
            continue;
        ++answered;
        JsonDocument document;
        QString error = reader.problem();
        if (error.isEmpty())
            error = columns.toJson(cells, document);
        CommandResult result =
            error.isEmpty() ? command.run(document, options) : CommandResult::failure(error);
        JsonDocument answer;
        if (result.error.isEmpty() && !result.output.nonFinite().empty())
            result = CommandResult::failure(
                QStringLiteral("the figures are too large to work out: \"%1\" would not be a "
                               "finite number")
                    .arg(QString::fromStdString(result.output.nonFinite())));
        if (result.error.isEmpty())
            result.error = parseObject(result.output.text(), answer);
        if (result.error.isEmpty()) {
            layout.appendAnswer(writer.pending(), reader.lineNumber(), answer);
            continue;
        }
        ++refused;
        err << who << "line " << reader.lineNumber() << ": " << result.error << "\n";
        err.flush();
        layout.appendRefusal(writer.pending(), reader.lineNumber(), result.error);
    }
    writer.flush();
    if (writer.failed()) {
        err << who
            << "the answers could not be written to standard output: " << writer.errorString()
            << "\n";
        return kExitWriteFailed;
    }
    if (answered == 0) {
        err << who << "no input row\n";
        return kExitRefused;
    }
    return refused == 0 ? 0 : kExitRefused;
}

} // namespace quillon::cli
