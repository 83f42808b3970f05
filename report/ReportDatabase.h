#pragma once

#include "report/ReportRecord.h"

#include <QString>

#include <optional>
#include <vector>

namespace quillon::report {

// The report database (Crysprin.mdb): a print writes one table, the renderer reads it back.
// Every call opens the file by its stored path and closes it again before returning, so a
// layout is always rendered from a closed, consistent file. Table and field names are checked
// against the table's real columns before any statement is built; values are bound, never
// pasted into SQL. The file is never created: a missing database is an error.
class ReportDatabase {
public:
    explicit ReportDatabase(QString path);

    // Writes what one print hands over: a single-record table edited in place, or a row
    // table emptied and refilled in one transaction. False with error() set on any failure.
    bool write(const ReportData &data);
    // Edits the first record of `table` in place; a table without its record is an error.
    // A field named twice takes its last value.
    bool writeRecord(const QString &table, const ReportRecord &record);
    // Replaces every row of `table` by `rows`, all or nothing.
    bool writeRows(const QString &table, const std::vector<ReportRecord> &rows);

    // The first record of `table` (nothing, with error() set, when the table or its record
    // is missing).
    std::optional<ReportRecord> readFirstRecord(const QString &table);
    // Every row of `table` in the order written.
    std::optional<std::vector<ReportRecord>> readRows(const QString &table);
    // The column names of `table`, as the file spells them.
    std::optional<std::vector<QString>> columns(const QString &table);

    const QString &path() const { return m_path; }
    const QString &error() const { return m_error; }

private:
    bool fail(QString message);

    QString m_path;
    QString m_error;
};

} // namespace quillon::report
