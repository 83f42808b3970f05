#pragma once

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QUuid>

namespace quillon::test {

// The repository's data/ folder and the folder the build puts the delivered files in.
inline QString sourcePath(const QString &relative) {
    return QStringLiteral(QUILLON_SOURCE_DIR "/") + relative;
}
inline QString binPath(const QString &relative) {
    return QStringLiteral(QUILLON_BIN_DIR "/") + relative;
}

// Builds an SQLite file at `path` from one of the schema scripts in data/sql, the way the build
// does. Returns an error text, empty on success.
inline QString createDatabase(const QString &path, const QString &sqlFile) {
    QFile script(sqlFile);
    if (!script.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read ") + sqlFile;
    QString sql = QString::fromUtf8(script.readAll());
    const QString connection = QUuid::createUuid().toString();
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (!db.open())
            return db.lastError().text();
        // Statements end with a semicolon at the end of a line; comments start with --.
        QStringList lines;
        for (const QString &line : sql.split(u'\n'))
            if (!line.trimmed().startsWith(QLatin1String("--")))
                lines << line;
        for (const QString &statement : lines.join(u'\n').split(QStringLiteral(";\n"))) {
            if (statement.trimmed().isEmpty())
                continue;
            QSqlQuery q(db);
            if (!q.exec(statement)) {
                error = q.lastError().text() + QStringLiteral(" in ") + statement;
                break;
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return error;
}

} // namespace quillon::test
