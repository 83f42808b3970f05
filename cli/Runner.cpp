#include "cli/Runner.h"

#include "cli/CsvRun.h"
#include "cli/PdfOutput.h"
#include "taxengine/DataPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <array>
#include <cstdint>
#include <string>

namespace quillon::cli {

namespace {

const char *kindName(KeyKind kind) {
    switch (kind) {
    case KeyKind::Number:
        return "number";
    case KeyKind::Integer:
        return "whole number";
    case KeyKind::Date:
        return "date dd/mm/yyyy";
    case KeyKind::Text:
        return "text";
    case KeyKind::Flag:
        return "true/false";
    case KeyKind::List:
        return "list";
    case KeyKind::Object:
        return "object";
    }
    return "";
}

void describeKeys(QString &text, const std::vector<JsonKey> &keys) {
    for (const JsonKey &k : keys)
        text += QStringLiteral("  %1  (%2)  %3\n")
                    .arg(k.name.leftJustified(26), QString::fromLatin1(kindName(k.kind)), k.help);
}

struct Options {
    QString command;
    QString inputFile;
    RunOptions run;
    bool help = false;
    bool csv = false;
    QString error;
};

Options parseArguments(const QStringList &arguments) {
    Options o;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            o.help = true;
        } else if (a == QLatin1String("--csv")) {
            o.csv = true;
        } else if (a == QLatin1String("--pdf") || a == QLatin1String("--lang") ||
                   a == QLatin1String("--data")) {
            if (i + 1 >= arguments.size()) {
                o.error = a + QStringLiteral(" needs a value");
                return o;
            }
            const QString value = arguments[++i];
            if (value.isEmpty()) {
                o.error = a + QStringLiteral(" needs a value that is not empty");
                return o;
            }
            if (a == QLatin1String("--pdf"))
                o.run.pdfPath = value;
            else if (a == QLatin1String("--data"))
                o.run.dataFolder = value;
            else if (value == QLatin1String("en") || value == QLatin1String("af"))
                o.run.language = value == QLatin1String("af") ? report::PrintLanguage::Afrikaans
                                                              : report::PrintLanguage::English;
            else {
                o.error = QStringLiteral("--lang must be en or af");
                return o;
            }
        } else if (a.startsWith(QLatin1String("--"))) {
            o.error = QStringLiteral("unknown option ") + a;
            return o;
        } else if (o.command.isEmpty()) {
            o.command = a;
        } else if (o.inputFile.isEmpty()) {
            o.inputFile = a;
        } else {
            o.error = QStringLiteral("too many arguments");
            return o;
        }
    }
    return o;
}

// One run over the input: parses each line, runs the command and writes its answer.
class BatchRun {
public:
    BatchRun(const Command &command, const RunOptions &options, AnswerWriter &out, QTextStream &err)
        : m_command(command), m_options(options), m_out(out), m_err(err) {}

    // Works out one input object; the answer or the refusal goes out at once.
    void answer(std::int64_t line, std::string_view text) {
        // The parsed values live in a buffer kept for the whole run; only an unusually large
        // object needs more.
        rapidjson::MemoryPoolAllocator<> values(m_valueBuffer.data(), m_valueBuffer.size());
        rapidjson::MemoryPoolAllocator<> stack(m_stackBuffer.data(), m_stackBuffer.size());
        JsonDocument document(&values, m_stackBuffer.size() / 2, &stack);
        rapidjson::ParseErrorCode syntax = rapidjson::kParseErrorNone;
        m_line.assign(text);
        QString error = parseObjectInPlace(m_line, document, &syntax);
        if (!m_options.pdfPath.isEmpty() && syntax == rapidjson::kParseErrorDocumentRootNotSingular)
            error = QStringLiteral("--pdf takes a single input object");
        CommandResult result =
            error.isEmpty() ? m_command.run(document, m_options) : CommandResult::failure(error);
        if (result.error.isEmpty() && !result.output.nonFinite().empty())
            result = CommandResult::failure(
                QStringLiteral("the figures are too large to work out: \"%1\" would not be a "
                               "finite number")
                    .arg(QString::fromStdString(result.output.nonFinite())));
        if (result.error.isEmpty() && !m_options.pdfPath.isEmpty()) {
            if (!result.print)
                result = CommandResult::failure(QStringLiteral("this command has no printout"));
            else if (const PdfOutcome pdf = writePdfFile(result.print(), m_options);
                     !pdf.error.isEmpty()) {
                result = CommandResult::failure(pdf.error);
                m_pdfFailed = pdf.written;
            }
        }
        if (!result.error.isEmpty())
            refuse(line, result.error);
        else {
            result.output.appendTo(m_out.pending());
            m_out.line({});
        }
        ++m_answered;
    }

    void refuse(std::int64_t line, const QString &message) {
        ++m_refused;
        m_err << "quillon-calc " << m_command.name << ": line " << line << ": " << message << "\n";
        m_err.flush();
        std::string text = "{\"line\":" + std::to_string(line) + ",\"error\":";
        const QByteArray utf8 = message.toUtf8();
        appendJsonString(text, std::string_view(utf8.constData(), utf8.size()));
        text += '}';
        m_out.line(text);
    }

    std::int64_t answered() const { return m_answered; }
    std::int64_t refused() const { return m_refused; }
    bool pdfFailed() const { return m_pdfFailed; }

private:
    const Command &m_command;
    const RunOptions &m_options;
    AnswerWriter &m_out;
    QTextStream &m_err;
    std::array<char, 16384> m_valueBuffer{};
    std::array<char, 4096> m_stackBuffer{};
    // The line being answered, read in place: its document's strings point into it.
    std::string m_line;
    std::int64_t m_answered = 0;
    std::int64_t m_refused = 0;
    bool m_pdfFailed = false;
};

bool blank(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// The whole input as one text, for --pdf, whose single object may be pretty-printed.
bool readWhole(LineReader &reader, std::string &text) {
    std::string_view line;
    for (;;) {
        switch (reader.next(line)) {
        case LineReader::Status::Line:
            text.append(line);
            text += '\n';
            if (static_cast<qsizetype>(text.size()) > LineReader::kMaxLine)
                return false;
            break;
        case LineReader::Status::TooLong:
        case LineReader::Status::Failed:
            return false;
        case LineReader::Status::End:
            return true;
        }
    }
}

bool writeText(QIODevice &out, const QString &text) {
    const QByteArray utf8 = text.toUtf8();
    return out.write(utf8) == utf8.size();
}

} // namespace

QString helpText(const CommandRegistry &registry) {
    QString text = QStringLiteral(
        "Usage: quillon-calc COMMAND [FILE] [--csv | --pdf FILE [--lang en|af]]\n"
        "Reads JSON objects of a calculator's inputs, one per line (from FILE or standard\n"
        "input), and writes one answer per input line as soon as it is worked out: the\n"
        "results, or {\"line\": N, \"error\": \"...\"} for a line that was refused.\n"
        "quillon-calc COMMAND --help lists the keys of one command.\n\nCommands:\n");
    for (const Command &c : registry.commands())
        text += QStringLiteral("  %1  %2\n").arg(c.name.leftJustified(18), c.summary);
    return text + csvHelpText();
}

QString helpText(const Command &command) {
    QString text = QStringLiteral("quillon-calc %1: %2\n\nInput keys (all optional; a missing key "
                                  "takes the value the window opens with):\n")
                       .arg(command.name, command.summary);
    describeKeys(text, command.inputs);
    text += QStringLiteral("\nOutput keys:\n");
    describeKeys(text, command.outputs);
    if (command.rendersPdf)
        text += QStringLiteral("\n--pdf FILE renders the calculator's report to FILE; --lang en|af "
                               "chooses its language (single input object only).\n");
    return text + csvHelpText(command);
}

int runCommandLine(const CommandRegistry &registry, const QStringList &arguments,
                   const ReadFunction &readInput, QIODevice &out, QTextStream &err) {
    Options o = parseArguments(arguments);
    if (!o.error.isEmpty()) {
        err << "quillon-calc: " << o.error << "\n" << helpText(registry);
        return kExitUsage;
    }
    if (o.command.isEmpty()) {
        if (o.help)
            return writeText(out, helpText(registry)) ? 0 : kExitWriteFailed;
        err << helpText(registry);
        return kExitUsage;
    }
    const Command *command = registry.find(o.command);
    if (!command) {
        err << "quillon-calc: unknown command \"" << o.command << "\"\n" << helpText(registry);
        return kExitUsage;
    }
    if (o.help)
        return writeText(out, helpText(*command)) ? 0 : kExitWriteFailed;
    if (!o.run.pdfPath.isEmpty() && !command->rendersPdf) {
        err << "quillon-calc " << command->name << ": --pdf is not offered by this command\n";
        return kExitUsage;
    }
    if (o.run.dataFolder.isEmpty())
        o.run.dataFolder = DataPaths::deliveredFolder(QCoreApplication::instance()
                                                          ? QCoreApplication::applicationDirPath()
                                                          : QDir::currentPath());

    QFile file(o.inputFile);
    ReadFunction read = readInput;
    if (!o.inputFile.isEmpty() && o.inputFile != QLatin1String("-")) {
        if (!file.open(QIODevice::ReadOnly)) {
            err << "quillon-calc " << command->name << ": the input file " << o.inputFile
                << " cannot be read: " << file.errorString() << "\n";
            return kExitUsage;
        }
        read = [&file](char *data, qint64 size) { return file.read(data, size); };
    }

    if (o.csv)
        return runCsv(*command, o.run, read, out, err, file);
    LineReader reader(read);
    AnswerWriter writer(out);
    BatchRun run(*command, o.run, writer, err);
    bool readFailed = false;
    if (!o.run.pdfPath.isEmpty()) {
        std::string whole;
        readFailed = !readWhole(reader, whole);
        if (!readFailed && !blank(whole))
            run.answer(1, whole);
    } else {
        std::string_view line;
        for (bool more = true; more && !writer.failed();) {
            // Answers reach the reader of a pipe before the tool waits for more input.
            if (!reader.lineBuffered())
                writer.flush();
            switch (reader.next(line)) {
            case LineReader::Status::Line:
                if (!blank(line))
                    run.answer(reader.lineNumber(), line);
                break;
            case LineReader::Status::TooLong:
                run.refuse(
                    reader.lineNumber(),
                    QStringLiteral("the line is longer than %1 bytes").arg(LineReader::kMaxLine));
                break;
            case LineReader::Status::Failed:
                readFailed = true;
                more = false;
                break;
            case LineReader::Status::End:
                more = false;
                break;
            }
        }
    }
    writer.flush();
    if (readFailed) {
        err << "quillon-calc " << command->name << ": the input could not be read"
            << (file.isOpen() ? QStringLiteral(": ") + file.errorString() : QString()) << "\n";
        return kExitUsage;
    }
    if (writer.failed()) {
        err << "quillon-calc " << command->name
            << ": the answers could not be written to standard output: " << writer.errorString()
            << "\n";
        return kExitWriteFailed;
    }
    if (run.answered() == 0) {
        err << "quillon-calc " << command->name << ": no input object\n";
        return kExitRefused;
    }
    if (run.pdfFailed())
        return kExitWriteFailed;
    return run.refused() == 0 ? 0 : kExitRefused;
}

} // namespace quillon::cli
