#pragma once

#include "package/PackageTypes.h"
#include "taxengine/SetupRecord.h"

#include <string>

namespace quillon::package {

// The two computed lines of the "R/A Explained(Annual Figures Shown)" panel, in plain ASCII:
// a batch writes them on every line, the window shows them as they are.
struct RaLines {
    std::string lineA; // Label2(4): R 3 500 less the employee's contribution
    std::string lineC; // Label2(5): 15% of the non-retirement funding income
};

// The lines from the current working values, with the contribution as the last calculation
// left it. Amounts use the pattern "### ### ##0.00"; monthly windows show annual figures.
RaLines raLines(PackageWindow window, const PackageInputs &in, const tax::SetupRecord &setup,
                const PackageResults &last);

} // namespace quillon::package
