#pragma once

#include "package/PackageTypes.h"
#include "taxengine/FieldDescription.h"
#include "taxengine/SetupRecord.h"

namespace quillon::package {

// What a package calculator reads: the window's fields, and the settings row that the window's
// Settings panel keeps and quillon-calc reads with the fields.
struct PackageEntry {
    PackageInputs fields;
    tax::SetupRecord settings = tax::deliveredSetup();
};

using PackageDescription = tax::CalculatorDescription<PackageEntry, PackageResults>;

// The package calculator of a window, described once for the window and for quillon-calc.
const PackageDescription &packageDescription(PackageWindow window);

// Values quillon-calc's package commands read or write themselves: the other expenses (a list
// of lines with a text and an amount), the printed name, the R/A panel's two lines, the report
// record, and the two fund percentages as the settings hold them after the ceiling.
QString otherExpensesKey();
QString expenseTextKey();
QString expenseAmountKey();
QString taxpayerNameKey();
QString raLineAKey();
QString raLineCKey();
QString salPackageKey();
QString employeeFundPercentKey();
QString employerFundPercentKey();

} // namespace quillon::package
