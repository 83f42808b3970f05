#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

namespace quillon {

// One open connection to an SQLite data file that already exists. Opening never creates a
// file: a missing path is an error, so a mistyped folder cannot leave an empty database behind.
// The connection is closed and removed when the object goes.
class DatabaseFile {
public:
    // ReadOnly connections answer queries only, yet may roll back a journal left by a crash.
    enum class Mode { ReadWrite, ReadOnly };

    // `what` names the file in the messages ("data file", "report database").
    explicit DatabaseFile(const QString &path, Mode mode = Mode::ReadWrite,
                          const QString &what = QStringLiteral("data file"));
    ~DatabaseFile();
    DatabaseFile(const DatabaseFile &) = delete;
    DatabaseFile &operator=(const DatabaseFile &) = delete;

    bool isOpen() const { return m_open; }
    // Why the file could not be opened (or the last failure set with fail()).
    const QString &error() const { return m_error; }
    QSqlDatabase database() const;

    // True when the table exists in the file.
    bool hasTable(const QString &table) const;

private:
    QString m_connection;
    QString m_error;
    bool m_open = false;
};

// Why a statement failed, for a message: "in use by another program" for a file another
// connection holds locked, else SQLite's own words without the driver's generic suffix
// ("Unable to fetch row").
QString sqlProblem(const QSqlError &error);

} // namespace quillon
