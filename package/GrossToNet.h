#pragma once

#include "package/PackageTypes.h"
#include "taxengine/SetupRecord.h"
#include "taxengine/TaxLookup.h"

namespace quillon::package {

// The Calculate of the gross-to-net windows, annual (`frmBrisvaneAnn`) and monthly
// (`frmBrisvaneMon`): tax, credits, UIF, levy, take-home pay and cost to company from a total
// package. `previous` is what the window showed before, returned again when the package is 0.
// The lookup is left holding the annual taxable income.
PackageResults calculateGrossAnnual(const PackageInputs &in, const tax::SetupRecord &setup,
                                    const PackageResults &previous, tax::TaxLookup &lookup);
PackageResults calculateGrossMonthly(const PackageInputs &in, const tax::SetupRecord &setup,
                                     const PackageResults &previous, tax::TaxLookup &lookup);

} // namespace quillon::package
