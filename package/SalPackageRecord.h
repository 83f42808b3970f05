#pragma once

#include "package/PackageTypes.h"
#include "report/RecordWriter.h"
#include "report/ReportRecord.h"

#include <QString>

namespace quillon::package {

inline const QString kSalPackageTable = QStringLiteral("SalPackage");
inline const QString kBrisvaneLayout = QStringLiteral("Brisvane.rpt");
inline const QString kQuillonLayout = QStringLiteral("Quillon.rpt");

// The layout file and the report window title of each window's print.
QString layoutFile(PackageWindow window);
QString previewTitle(PackageWindow window);

// The SalPackage record of one print, in the order its fields are written. Fields a window does
// not write are left out, so the table keeps their previous values: CostToComp in the
// net-to-gross windows, ProvDeduct, ProvDeductCC and RADeduct in the net-to-gross monthly one.
// Amounts from the window's fields are the numbers the fields show; the name is cut to its 50
// characters.
report::ReportRecord grossAnnualRecord(const PackageInputs &in, const PackageResults &out,
                                       const QString &taxpayerName);
report::ReportRecord grossMonthlyRecord(const PackageInputs &in, const PackageResults &out,
                                        const QString &taxpayerName);
report::ReportRecord netAnnualRecord(const PackageInputs &in, const PackageResults &out,
                                     const QString &taxpayerName);
report::ReportRecord netMonthlyRecord(const PackageInputs &in, const PackageResults &out,
                                      const QString &taxpayerName);

// The same fields, each handed to `sink` as it is worked out.
void writeSalPackage(report::FieldSink &sink, PackageWindow window, const PackageInputs &in,
                     const PackageResults &out, const QString &taxpayerName);

report::ReportRecord salPackageRecord(PackageWindow window, const PackageInputs &in,
                                      const PackageResults &out, const QString &taxpayerName);

} // namespace quillon::package
