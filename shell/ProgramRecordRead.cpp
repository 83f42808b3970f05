// The program-state record read through SQLite's own interface, in a module of its own:
// start-up needs SQLite only for this one record, and Qt's SQL driver, once loaded, stays for
// the program's life. This module is unloaded again after the read, and SQLite with it (unless
// a calculator has loaded it meanwhile). The file is opened as DatabaseFile opens one, and
// tells the same reasons.
#include "shell/ProgramRecord.h"

#include <QFileInfo>
#include <QUrl>

#include <sqlite3.h>

#include <algorithm>
#include <memory>

namespace quillon::shell {

namespace {

struct CloseDatabase {
    void operator()(sqlite3 *db) const { sqlite3_close(db); }
};
struct FinishStatement {
    void operator()(sqlite3_stmt *statement) const { sqlite3_finalize(statement); }
};
using Database = std::unique_ptr<sqlite3, CloseDatabase>;
using Statement = std::unique_ptr<sqlite3_stmt, FinishStatement>;

// SQLite's reason, or "in use by another program" for a file another connection holds locked.
QString problem(sqlite3 *db, int code) {
    if (code == SQLITE_BUSY || code == SQLITE_LOCKED)
        return QStringLiteral("it is in use by another program");
    return QString::fromUtf8(sqlite3_errmsg(db));
}

// The result of a statement's first step: SQLITE_ROW, SQLITE_DONE or the failure's code (the
// statement left reset, so that the connection tells the failure's own reason).
int firstStep(sqlite3 *db, const char *sql, Statement &statement) {
    sqlite3_stmt *prepared = nullptr;
    const int code = sqlite3_prepare_v2(db, sql, -1, &prepared, nullptr);
    statement.reset(prepared);
    if (code != SQLITE_OK)
        return code;
    const int step = sqlite3_step(prepared);
    return step == SQLITE_ROW || step == SQLITE_DONE ? step : sqlite3_reset(prepared);
}

bool failed(int code) {
    return code != SQLITE_ROW && code != SQLITE_DONE;
}

// Values as the rest of the program reads them through Qt: a number stored as text counts.
qlonglong integer(sqlite3_stmt *row, int column) {
    switch (sqlite3_column_type(row, column)) {
    case SQLITE_INTEGER:
        return sqlite3_column_int64(row, column);
    case SQLITE_FLOAT:
        return qRound64(sqlite3_column_double(row, column));
    case SQLITE_TEXT:
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(row, column)))
            .toLongLong();
    default:
        return 0;
    }
}

QString text(sqlite3_stmt *row, int column) {
    if (sqlite3_column_type(row, column) == SQLITE_NULL)
        return {};
    const auto *utf8 = reinterpret_cast<const char *>(sqlite3_column_text(row, column));
    return QString::fromUtf8(utf8, sqlite3_column_bytes(row, column));
}

void readRecord(const QString &path, ProgramRecordRead &out) {
    const QFileInfo info(path);
    if (!info.isFile()) {
        out.error = info.exists() ? QStringLiteral("The data file %1 is not a file.").arg(path)
                                  : QStringLiteral("The data file %1 was not found.").arg(path);
        return;
    }
    // Opened for writing, as every data file is: only a writable connection rolls back the
    // journal of a write that was cut off. "mode=rw" never creates a file that vanished.
    const QByteArray uri = QUrl::fromLocalFile(info.absoluteFilePath()).toEncoded() + "?mode=rw";
    sqlite3 *opened = nullptr;
    const int openCode =
        sqlite3_open_v2(uri.constData(), &opened, SQLITE_OPEN_READWRITE | SQLITE_OPEN_URI, nullptr);
    const Database db(opened);
    if (openCode != SQLITE_OK) {
        out.error = QStringLiteral("The data file %1 could not be opened: %2")
                        .arg(path, problem(db.get(), openCode));
        return;
    }
    sqlite3_busy_timeout(db.get(), 2000);
    Statement statement;
    // A file that is not a database opens; its first statement fails.
    int code = firstStep(db.get(), "PRAGMA schema_version", statement);
    if (!failed(code))
        code = firstStep(db.get(), "PRAGMA query_only = ON", statement);
    if (failed(code)) {
        out.error = code == SQLITE_BUSY || code == SQLITE_LOCKED
                        ? QStringLiteral("The data file %1 is in use by another program.").arg(path)
                        : QStringLiteral("The data file %1 is not readable: %2")
                              .arg(path, problem(db.get(), code));
        return;
    }
    if (firstStep(db.get(),
                  "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'ProgramState' "
                  "COLLATE NOCASE",
                  statement) != SQLITE_ROW) {
        out.error =
            QStringLiteral("The program-state file %1 has no ProgramState table.").arg(path);
        return;
    }
    code = firstStep(db.get(),
                     "SELECT ViewAbout, VAR1, UpdateAddress, VideoAddress FROM ProgramState "
                     "ORDER BY rowid LIMIT 1",
                     statement);
    if (failed(code)) {
        out.error = QStringLiteral("The program-state file %1 could not be read: %2")
                        .arg(path, problem(db.get(), code));
        return;
    }
    if (code == SQLITE_DONE) {
        out.error = QStringLiteral("The program-state file %1 holds no record.").arg(path);
        return;
    }
    sqlite3_stmt *row = statement.get();
    // Yes/No is stored as -1/0; any non-zero value counts as Yes.
    out.record.viewAbout = integer(row, 0) != 0;
    out.record.var1 =
        static_cast<std::int16_t>(std::clamp<qlonglong>(integer(row, 1), INT16_MIN, INT16_MAX));
    out.record.updateAddress = text(row, 2);
    out.record.videoAddress = text(row, 3);
}

} // namespace

} // namespace quillon::shell

// The entry point ProgramRecordStore::read finds in this module.
extern "C" Q_DECL_EXPORT void quillonReadProgramRecord(const QString &path,
                                                       quillon::shell::ProgramRecordRead *out) {
    quillon::shell::readRecord(path, *out);
}
