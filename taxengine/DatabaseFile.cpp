#include "taxengine/DatabaseFile.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <atomic>

namespace quillon {

namespace {
std::atomic<int> g_connectionCounter{0};

// SQLITE_BUSY and SQLITE_LOCKED: another connection holds the file.
bool inUse(const QSqlError &error) {
    const QString code = error.nativeErrorCode();
    return code == QLatin1String("5") || code == QLatin1String("6");
}
} // namespace

QString sqlProblem(const QSqlError &error) {
    if (inUse(error))
        return QStringLiteral("it is in use by another program");
    return error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
}

DatabaseFile::DatabaseFile(const QString &path, Mode mode, const QString &what)
    : m_connection(QStringLiteral("quillon-%1").arg(++g_connectionCounter)) {
    const QFileInfo info(path);
    if (!info.isFile()) {
        m_error = info.exists() ? QStringLiteral("The %1 %2 is not a file.").arg(what, path)
                                : QStringLiteral("The %1 %2 was not found.").arg(what, path);
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
        m_error = QStringLiteral("The %1 %2 could not be opened: %3")
                      .arg(what, path, sqlProblem(db.lastError()));
        return;
    }
    // A file that is not a database opens; its first statement fails, as it does while another
    // program holds the file locked.
    QSqlQuery probe(db);
    const bool read =
        probe.exec(QStringLiteral("PRAGMA schema_version")) &&
        // A reader still cannot change anything by mistake; recovering the
        // journal is not a query.
        (mode == Mode::ReadWrite || probe.exec(QStringLiteral("PRAGMA query_only = ON")));
    if (!read) {
        const QSqlError why = probe.lastError();
        m_error =
            inUse(why)
                ? QStringLiteral("The %1 %2 is in use by another program.").arg(what, path)
                : QStringLiteral("The %1 %2 is not readable: %3").arg(what, path, sqlProblem(why));
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
