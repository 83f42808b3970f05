#pragma once

#include <QString>
#include <QVariant>

#include <vector>

namespace quillon::report {

// One field of a report table, written in the order the calculator lists them.
struct ReportField {
    QString name;
    QVariant value;
};

// The figures a print writes into one record of a report table.
using ReportRecord = std::vector<ReportField>;

// What one print hands to the report database for one table: a single-record table is edited
// in place; a row table is emptied and refilled with `rows`.
struct ReportData {
    QString table;
    ReportRecord record;            // single-record tables
    std::vector<ReportRecord> rows; // row tables
    bool isRowTable = false;

    static ReportData singleRecord(QString table, ReportRecord record) {
        return {std::move(table), std::move(record), {}, false};
    }
    static ReportData rowTable(QString table, std::vector<ReportRecord> rows) {
        return {std::move(table), {}, std::move(rows), true};
    }
};

// The language of a period calculator's printout.
enum class PrintLanguage { English = 0, Afrikaans = 1 };

} // namespace quillon::report
