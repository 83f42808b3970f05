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
    // Reads open the file for writing too: only a writable connection can roll back the journal
    // of a write that was cut off, and until then every read of the file fails. SQLite falls
    // back to reading when the file itself is write-protected.
    db.setDatabaseName(uri + QStringLiteral("?mode=rw"));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=2000"));
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
    // A reader still cannot change anything by mistake; recovering the journal is not a query.
    if (mode == Mode::ReadOnly && !probe.exec(QStringLiteral("PRAGMA query_only = ON"))) {
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

QSqlDatabase DatabaseFile::database() const {
    return QSqlDatabase::database(m_connection, false);
}

bool DatabaseFile::hasTable(const QString &table) const {
    if (!m_open)
        return false;
    return database().tables().contains(table, Qt::CaseInsensitive);
}

} // namespace quillon
