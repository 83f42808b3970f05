#pragma once

#include "paye/PayFigures.h"
#include "report/RecordWriter.h"

namespace quillon::paye {

// The fields the weekly, fortnightly and daily records share from the age to the employee's
// R/Fund contributions, after TypeAM and the employee.
void writePayAmounts(report::RecordWriter &w, const PayInputs &in, const char16_t *travelAfrikaans);

// The fields those records share from the UIF figures to TOTAL.
void writeUifAndCredits(report::RecordWriter &w, const PayInputs &in, const PayResults &out);

} // namespace quillon::paye
