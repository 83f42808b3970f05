#include "report/ReportDatabase.h"

#include "taxengine/DatabaseFile.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <utility>

namespace quillon::report {

namespace {

// Names reach SQL only after they were found among the file's own tables and columns; the
// quoting is for names such as "TAXCOM4/2", not a defence on its own.
QString quoted(const QString &identifier) {
    QString inner = identifier;
    inner.replace(u'"', QStringLiteral("\"\""));
    return u'"' + inner + u'"';
}

// The file's spelling of `table`, or an empty string when the file has no such table.
QString realTableName(const DatabaseFile &file, const QString &table) {
    const QStringList tables = file.database().tables(QSql::Tables);
    for (const QString &name : tables)
        if (name.compare(table, Qt::CaseInsensitive) == 0)
            return name;
    return {};
}

std::vector<QString> tableColumns(const DatabaseFile &file, const QString &realTable) {
    std::vector<QString> names;
    QSqlQuery q(file.database());
    if (q.exec(QStringLiteral("PRAGMA table_info(") + quoted(realTable) + u')'))
        while (q.next())
            names.push_back(q.value(1).toString());
    return names;
}

QString findColumn(const std::vector<QString> &columns, const QString &field) {
    for (const QString &c : columns)
        if (c.compare(field, Qt::CaseInsensitive) == 0)
            return c;
    return {};
}

// One value per column, in the order first named, keeping the last value written to it.
struct Assignment {
    QString column;
    QVariant value;
};

ReportRecord toRecord(const QSqlQuery &q) {
    ReportRecord record;
    const QSqlRecord columns = q.record();
    record.reserve(static_cast<std::size_t>(columns.count()));
    for (int i = 0; i < columns.count(); ++i)
        record.push_back({columns.fieldName(i), q.value(i)});
    return record;
}

// An open report database with one table resolved and its columns known.
class OpenTable {
public:
    OpenTable(const QString &path, const QString &table, QString &error)
        : m_file(path, DatabaseFile::Mode::ReadWrite, QStringLiteral("report database")) {
        if (!m_file.isOpen()) {
            error = m_file.error();
            return;
        }
        m_table = realTableName(m_file, table);
        if (m_table.isEmpty()) {
            error = QStringLiteral("The report database %1 has no table \"%2\".").arg(path, table);
            return;
        }
        m_columns = tableColumns(m_file, m_table);
        m_ok = !m_columns.empty();
        if (!m_ok)
            error = QStringLiteral("The columns of table \"%1\" could not be read.").arg(table);
    }

    bool ok() const { return m_ok; }
    QSqlDatabase database() const { return m_file.database(); }
    const QString &table() const { return m_table; }
    const std::vector<QString> &columns() const { return m_columns; }

    // The record's fields as columns of this table; an unknown field is an error.
    std::optional<std::vector<Assignment>> assignments(const ReportRecord &record,
                                                       QString &error) const {
        std::vector<Assignment> out;
        for (const ReportField &field : record) {
            const QString column = findColumn(m_columns, field.name);
            if (column.isEmpty()) {
                error =
                    QStringLiteral("The table \"%1\" of the report database has no field \"%2\".")
                        .arg(m_table, field.name);
                return std::nullopt;
            }
            auto same = [&column](const Assignment &a) { return a.column == column; };
            if (auto it = std::find_if(out.begin(), out.end(), same); it != out.end())
                it->value = field.value;
            else
                out.push_back({column, field.value});
        }
        return out;
    }

private:
    DatabaseFile m_file;
    QString m_table;
    std::vector<QString> m_columns;
    bool m_ok = false;
};

} // namespace

ReportDatabase::ReportDatabase(QString path) : m_path(std::move(path)) {}

bool ReportDatabase::fail(QString message) {
    m_error = std::move(message);
    return false;
}

bool ReportDatabase::write(const ReportData &data) {
    return data.isRowTable ? writeRows(data.table, data.rows)
                           : writeRecord(data.table, data.record);
}

bool ReportDatabase::writeRecord(const QString &table, const ReportRecord &record) {
    m_error.clear();
    QString error;
    OpenTable t(m_path, table, error);
    if (!t.ok())
        return fail(error);
    const auto values = t.assignments(record, error);
    if (!values)
        return fail(error);

    QSqlQuery first(t.database());
    if (!first.exec(QStringLiteral("SELECT rowid FROM ") + quoted(t.table()) +
                    QStringLiteral(" ORDER BY rowid LIMIT 1")))
        return fail(QStringLiteral("The table \"%1\" could not be read: %2")
                        .arg(t.table(), sqlProblem(first.lastError())));
    if (!first.next())
        return fail(QStringLiteral("The table \"%1\" of the report database holds no record.")
                        .arg(t.table()));
    const qlonglong rowid = first.value(0).toLongLong();
    first.finish();
    if (values->empty())
        return true;

    QStringList sets;
    for (const Assignment &a : *values)
        sets << quoted(a.column) + QStringLiteral(" = ?");
    QSqlQuery update(t.database());
    if (!update.prepare(QStringLiteral("UPDATE ") + quoted(t.table()) + QStringLiteral(" SET ") +
                        sets.join(QStringLiteral(", ")) + QStringLiteral(" WHERE rowid = ?")))
        return fail(QStringLiteral("The table \"%1\" could not be written: %2")
                        .arg(t.table(), sqlProblem(update.lastError())));
    for (const Assignment &a : *values)
        update.addBindValue(a.value);
    update.addBindValue(rowid);
    if (!update.exec())
        return fail(QStringLiteral("The table \"%1\" could not be written: %2")
                        .arg(t.table(), sqlProblem(update.lastError())));
    return true;
}

bool ReportDatabase::writeRows(const QString &table, const std::vector<ReportRecord> &rows) {
    m_error.clear();
    QString error;
    OpenTable t(m_path, table, error);
    if (!t.ok())
        return fail(error);
    // Every row is checked before the table is touched.
    std::vector<std::vector<Assignment>> prepared;
    prepared.reserve(rows.size());
    for (const ReportRecord &row : rows) {
        auto values = t.assignments(row, error);
        if (!values)
            return fail(error);
        prepared.push_back(std::move(*values));
    }

    QSqlDatabase db = t.database();
    if (!db.transaction())
        return fail(QStringLiteral("The table \"%1\" could not be written: %2")
                        .arg(t.table(), sqlProblem(db.lastError())));
    auto rollBack = [&](const QSqlQuery &q) {
        const QString why = sqlProblem(q.lastError());
        db.rollback();
        return fail(
            QStringLiteral("The table \"%1\" could not be written: %2").arg(t.table(), why));
    };
    {
        QSqlQuery clear(db);
        if (!clear.exec(QStringLiteral("DELETE FROM ") + quoted(t.table())))
            return rollBack(clear);
    }
    QSqlQuery insert(db);
    QStringList preparedColumns;
    bool isPrepared = false;
    for (const std::vector<Assignment> &values : prepared) {
        QStringList names;
        for (const Assignment &a : values)
            names << quoted(a.column);
        // Rows of one print carry the same fields; prepare again only when they differ.
        if (!isPrepared || names != preparedColumns) {
            QString sql = QStringLiteral("INSERT INTO ") + quoted(t.table());
            if (names.isEmpty())
                sql += QStringLiteral(" DEFAULT VALUES");
            else
                sql += QStringLiteral(" (") + names.join(QStringLiteral(", ")) +
                       QStringLiteral(") VALUES (") +
                       QStringList(names.size(), QStringLiteral("?")).join(QStringLiteral(", ")) +
                       u')';
            if (!insert.prepare(sql))
                return rollBack(insert);
            preparedColumns = names;
            isPrepared = true;
        }
        for (const Assignment &a : values)
            insert.addBindValue(a.value);
        if (!insert.exec())
            return rollBack(insert);
    }
    insert.finish();
    if (!db.commit()) {
        const QString why = sqlProblem(db.lastError());
        db.rollback();
        return fail(
            QStringLiteral("The table \"%1\" could not be written: %2").arg(t.table(), why));
    }
    return true;
}

std::optional<ReportRecord> ReportDatabase::readFirstRecord(const QString &table) {
    m_error.clear();
    QString error;
    OpenTable t(m_path, table, error);
    if (!t.ok()) {
        fail(error);
        return std::nullopt;
    }
    QSqlQuery q(t.database());
    if (!q.exec(QStringLiteral("SELECT * FROM ") + quoted(t.table()) +
                QStringLiteral(" ORDER BY rowid LIMIT 1"))) {
        fail(QStringLiteral("The table \"%1\" could not be read: %2")
                 .arg(t.table(), sqlProblem(q.lastError())));
        return std::nullopt;
    }
    if (!q.next()) {
        fail(QStringLiteral("The table \"%1\" of the report database holds no record.")
                 .arg(t.table()));
        return std::nullopt;
    }
    return toRecord(q);
}

std::optional<std::vector<ReportRecord>> ReportDatabase::readRows(const QString &table) {
    m_error.clear();
    QString error;
    OpenTable t(m_path, table, error);
    if (!t.ok()) {
        fail(error);
        return std::nullopt;
    }
    QSqlQuery q(t.database());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT * FROM ") + quoted(t.table()) +
                QStringLiteral(" ORDER BY rowid"))) {
        fail(QStringLiteral("The table \"%1\" could not be read: %2")
                 .arg(t.table(), sqlProblem(q.lastError())));
        return std::nullopt;
    }
    std::vector<ReportRecord> rows;
    while (q.next())
        rows.push_back(toRecord(q));
    return rows;
}

std::optional<std::vector<QString>> ReportDatabase::columns(const QString &table) {
    m_error.clear();
    QString error;
    OpenTable t(m_path, table, error);
    if (!t.ok()) {
        fail(error);
        return std::nullopt;
    }
    return t.columns();
}

} // namespace quillon::report
