#pragma once

#include "cli/Command.h"
#include "cli/Runner.h"

#include <QBuffer>
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
    QStringList lines() const { return out.split(u'\n', Qt::SkipEmptyParts); }
};

inline CliRun runCli(void (*registerCommands)(cli::CommandRegistry &), const QString &command,
                     const QString &input, const QStringList &options = {}) {
    cli::CommandRegistry registry;
    registerCommands(registry);
    CliRun r;
    QBuffer in;
    in.setData(input.toUtf8());
    in.open(QIODevice::ReadOnly);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QTextStream err(&r.err);
    r.code = cli::runCommandLine(
        registry, QStringList{QStringLiteral("quillon-calc"), command} + options,
        [&in](char *data, qint64 size) { return in.read(data, size); }, out, err);
    err.flush();
    r.out = QString::fromUtf8(out.data());
    return r;
}

} // namespace quillon::test
