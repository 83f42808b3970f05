#pragma once

#include "report/ReportRecord.h"

#include <QString>

#include <vector>

namespace quillon::report {

enum class Destination { Preview = 0, Printer = 1 };

// One print as a calculator hands it over: every report table it writes, in order, the layout
// file (a name such as "Annual.rpt", found in the program folder) and the preview title. An
// empty title leaves the previous title in place, as direct printing does. The same job feeds
// the preview, the printer and quillon-calc's PDF.
struct PrintJob {
    std::vector<ReportData> tables; // the loan print writes two: Loans and Amort
    QString layoutName;
    QString previewTitle;
    Destination destination = Destination::Preview;
};

// The usual job: one record written to its table, printed through one layout.
inline PrintJob singleRecordJob(const QString &table, ReportRecord record, QString layoutName,
                                QString previewTitle) {
    return {{ReportData::singleRecord(table, std::move(record))},
            std::move(layoutName),
            std::move(previewTitle)};
}

// The full path of a layout in `folder`. The windows name layouts as "\Annual.rpt"; the
// leading separator is dropped so that the name always lands inside the folder.
QString layoutPath(const QString &folder, QString layoutName);

} // namespace quillon::report
