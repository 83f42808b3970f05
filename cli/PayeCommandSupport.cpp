#include "cli/PayeCommandSupport.h"

namespace quillon::cli {

report::PrintJob periodPrint(const QString &table, report::ReportRecord record,
                             const QString &layout, const QString &title) {
    return {{report::ReportData::singleRecord(table, std::move(record))}, layout, title};
}

} // namespace quillon::cli
