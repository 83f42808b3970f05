#pragma once

#include <QSqlDatabase>
#include <QString>

namespace quillon {

// One open connection to an SQLite data file that already exists. Opening never creates a
// file: a missing path is an error, so a mistyped folder cannot leave an empty database behind.
// The connection is closed and removed when the object goes.
class DatabaseFile {
public:
    // ReadOnly connections answer queries only, yet may roll back a journal left by a crash.
    enum class Mode { ReadWrite, ReadOnly };

    explicit DatabaseFile(const QString &path, Mode mode = Mode::ReadWrite);
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

} // namespace quillon
