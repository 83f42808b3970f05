#include "taxengine/DatabaseFile.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <atomic>

namespace quillon {

namespace {
std::atomic<int> g_connectionCounter{0};
}

DatabaseFile::DatabaseFile(const QString &path, Mode mode)
    : m_connection(QStringLiteral("quillon-%1").arg(++g_connectionCounter)) {
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile()) {
        m_error = QStringLiteral("The data file %1 was not found.").arg(path);
        return;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    // Open through a URI so that SQLite refuses to create a file that vanished meanwhile.
    const QString uri = QUrl::fromLocalFile(info.absoluteFilePath()).toString(QUrl::FullyEncoded);
    db.setDatabaseName(uri + (mode == Mode::ReadOnly ? QStringLiteral("?mode=ro")
                                                     : QStringLiteral("?mode=rw")));
    db.setConnectOptions(mode == Mode::ReadOnly
                             ? QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000")
                             : QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db.open()) {
        m_error = QStringLiteral("The data file %1 could not be opened: %2")
                      .arg(path, db.lastError().text());
        return;
    }
    // A file that is not a database opens; its first statement fails.
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("PRAGMA schema_version"))) {
        m_error = QStringLiteral("The data file %1 is not readable: %2")
                      .arg(path, probe.lastError().text());
        probe.finish();
        db.close();
        return;
    }
    m_open = true;
}

DatabaseFile::~DatabaseFile() {
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isValid())
            db.close();
    }
    if (QSqlDatabase::contains(m_connection))
        QSqlDatabase::removeDatabase(m_connection);
}

QSqlDatabase DatabaseFile::database() const { return QSqlDatabase::database(m_connection, false); }

bool DatabaseFile::hasTable(const QString &table) const {
    if (!m_open)
        return false;
    return database().tables().contains(table, Qt::CaseInsensitive);
}

} // namespace quillon
