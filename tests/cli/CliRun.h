#pragma once

#include "cli/Command.h"
#include "cli/Runner.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QTextStream>

namespace quillon::test {

// One run of quillon-calc through its entry function, with standard input given as text.
struct CliRun {
    int code = 0;
    QString out;
    QString err;
    QJsonObject json() const { return QJsonDocument::fromJson(out.toUtf8()).object(); }
};

inline CliRun runCli(void (*registerCommands)(cli::CommandRegistry &), const QString &command,
                     QString input, const QStringList &options = {}) {
    cli::CommandRegistry registry;
    registerCommands(registry);
    CliRun r;
    QTextStream in(&input);
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.code = cli::runCommandLine(
        registry, QStringList{QStringLiteral("quillon-calc"), command} + options, in, out, err);
    return r;
}

} // namespace quillon::test
