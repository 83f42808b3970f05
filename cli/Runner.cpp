#include "cli/Runner.h"

#include "report/PdfExport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>

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

void describeKeys(QString &text, const std::vector<KeySpec> &keys) {
    for (const KeySpec &k : keys)
        text += QStringLiteral("  %1  (%2)  %3\n")
                    .arg(k.name.leftJustified(26), QString::fromLatin1(kindName(k.kind)), k.help);
}

struct Options {
    QString command;
    QString inputFile;
    RunOptions run;
    bool help = false;
    QString error;
};

Options parseArguments(const QStringList &arguments) {
    Options o;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            o.help = true;
        } else if (a == QLatin1String("--pdf") || a == QLatin1String("--lang") ||
                   a == QLatin1String("--data")) {
            if (i + 1 >= arguments.size()) {
                o.error = a + QStringLiteral(" needs a value");
                return o;
            }
            const QString value = arguments[++i];
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

// The input objects and the line each starts on.
struct InputObject {
    int line;
    QJsonObject object;
    QString error;
};

// Renders the print job a command handed over into the --pdf file, from the layout of that name
// in the data folder.
CommandResult withPdf(CommandResult result, const RunOptions &options) {
    if (!result.print)
        return CommandResult::failure(QStringLiteral("this command has no printout"));
    const report::PrintJob &job = *result.print;
    QString error;
    if (!report::renderToPdf(report::layoutPath(options.dataFolder, job.layoutName), job.tables,
                             options.pdfPath, &error))
        return CommandResult::failure(error);
    return result;
}

std::vector<InputObject> splitInput(const QByteArray &data) {
    std::vector<InputObject> objects;
    QJsonParseError whole{};
    const QJsonDocument doc = QJsonDocument::fromJson(data, &whole);
    if (whole.error == QJsonParseError::NoError) {
        if (doc.isObject())
            objects.push_back({1, doc.object(), {}});
        else
            objects.push_back({1, {}, QStringLiteral("the input must be a JSON object")});
        return objects;
    }
    const QList<QByteArray> lines = data.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.isEmpty())
            continue;
        QJsonParseError e{};
        const QJsonDocument d = QJsonDocument::fromJson(line, &e);
        const int lineNo = static_cast<int>(i + 1);
        if (e.error != QJsonParseError::NoError)
            objects.push_back({lineNo, {}, QStringLiteral("not valid JSON: ") + e.errorString()});
        else if (!d.isObject())
            objects.push_back({lineNo, {}, QStringLiteral("the input must be a JSON object")});
        else
            objects.push_back({lineNo, d.object(), {}});
    }
    if (objects.empty())
        objects.push_back({1, {}, QStringLiteral("no input object")});
    return objects;
}

} // namespace

QString helpText(const CommandRegistry &registry) {
    QString text = QStringLiteral(
        "Usage: quillon-calc COMMAND [FILE] [--pdf FILE [--lang en|af]]\n"
        "Reads a JSON object of a calculator's inputs (from FILE or standard input; one object\n"
        "per line for a batch) and writes a JSON object of its results per input line.\n"
        "quillon-calc COMMAND --help lists the keys of one command.\n\nCommands:\n");
    for (const Command &c : registry.commands())
        text += QStringLiteral("  %1  %2\n").arg(c.name.leftJustified(18), c.summary);
    return text;
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
    return text;
}

int runCommandLine(const CommandRegistry &registry, const QStringList &arguments,
                   QTextStream &in, QTextStream &out, QTextStream &err) {
    Options o = parseArguments(arguments);
    if (!o.error.isEmpty()) {
        err << "quillon-calc: " << o.error << "\n" << helpText(registry);
        return 2;
    }
    if (o.command.isEmpty()) {
        (o.help ? out : err) << helpText(registry);
        return o.help ? 0 : 2;
    }
    const Command *command = registry.find(o.command);
    if (!command) {
        err << "quillon-calc: unknown command \"" << o.command << "\"\n" << helpText(registry);
        return 2;
    }
    if (o.help) {
        out << helpText(*command);
        return 0;
    }
    if (!o.run.pdfPath.isEmpty() && !command->rendersPdf) {
        err << "quillon-calc " << command->name << ": --pdf is not offered by this command\n";
        return 2;
    }
    if (o.run.dataFolder.isEmpty())
        o.run.dataFolder = QCoreApplication::instance()
                               ? QCoreApplication::applicationDirPath()
                               : QDir::currentPath();

    QByteArray data;
    if (o.inputFile.isEmpty() || o.inputFile == QLatin1String("-")) {
        data = in.readAll().toUtf8();
    } else {
        QFile file(o.inputFile);
        if (!file.open(QIODevice::ReadOnly)) {
            err << "quillon-calc " << command->name << ": cannot read " << o.inputFile << ": "
                << file.errorString() << "\n";
            return 2;
        }
        data = file.readAll();
    }

    const std::vector<InputObject> objects = splitInput(data);
    if (!o.run.pdfPath.isEmpty() && objects.size() != 1) {
        err << "quillon-calc " << command->name << ": --pdf takes a single input object\n";
        return 2;
    }
    int failures = 0;
    for (const InputObject &object : objects) {
        CommandResult result = object.error.isEmpty()
                                   ? command->run(object.object, o.run)
                                   : CommandResult::failure(object.error);
        if (!o.run.pdfPath.isEmpty() && result.error.isEmpty())
            result = withPdf(std::move(result), o.run);
        if (!result.error.isEmpty()) {
            ++failures;
            err << "quillon-calc " << command->name << ": line " << object.line << ": "
                << result.error << "\n";
            continue;
        }
        out << QString::fromUtf8(QJsonDocument(result.output).toJson(QJsonDocument::Compact))
            << "\n";
    }
    out.flush();
    err.flush();
    return failures == 0 ? 0 : 1;
}

} // namespace quillon::cli
