#pragma once

#include "package/PackageTypes.h"
#include "taxengine/SetupRecord.h"

#include <cstdint>

namespace quillon::package {

// The rules the four package windows share, each in the order of operations its window uses.

// Company car fringe benefit: value x 0.0325 (maintenance plan) or 0.035 x rate, x 12 for a year.
double carBenefit(double carValue, const tax::SetupRecord &setup, bool annual);

// Medical scheme fees credit. Annual windows count beneficiary-months (24 at 286, the rest at
// 192); monthly windows count people (2 at 286, the rest at 192). Worked in 32 bits, so a count
// the 16-bit products could not hold still gives its true figure.
double annualMedicalCredit(std::int16_t beneficiaryMonths);
double monthlyMedicalCredit(std::int16_t beneficiaries);

// C when L = base x 0.275 is at least C, otherwise L; then the cap of the period (350000 a year,
// 350000 / 12 a month), which a deduction equal to the cap keeps.
double fundDeduction(double contributions, double base, bool annual);

// Sets the warning and Print from the contribution test.
void applyWarning(PackageResults &out, bool exceeds);

// The once-off car line: shown with the car value when there is a car the company has no cost
// for and the calculation was not skipped.
void applyOnceOff(PackageResults &out, const PackageInputs &in);

// The previous figures carried into a calculation that stops early.
PackageResults carriedOver(const PackageResults &previous, const PackageInputs &in,
                           Outcome outcome);

} // namespace quillon::package
