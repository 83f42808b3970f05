#pragma once

#include "package/PackageTypes.h"
#include "taxengine/SetupRecord.h"
#include "taxengine/TaxLookup.h"

#include <cstdint>

namespace quillon::package {

// The Calculate of the net-to-gross windows, annual (`frmQuillonAnn`) and monthly
// (`frmQuillonMon`): searches the whole-rand gross from 1 for the first whose net pay is
// greater than the net salary required, and shows that round's figures. The lookup is left
// holding the last round's taxable income.
//
// A search that cannot end (an employee's fund percentage that swallows every rand added, say)
// is stopped with Outcome::NoGrossFound once the gross passes searchLimit(); a net that even
// kLargestGross does not reach ends with Outcome::NetBeyondLargestGross. After either, as after
// a zero target or the fringe-benefit message, the figures are those of `previous`; only the
// warning test is run again on them.
PackageResults calculateNetAnnual(const PackageInputs &in, const tax::SetupRecord &setup,
                                  const PackageResults &previous, tax::TaxLookup &lookup);
PackageResults calculateNetMonthly(const PackageInputs &in, const tax::SetupRecord &setup,
                                   const PackageResults &previous, tax::TaxLookup &lookup);

// The most the gross salary field holds.
inline constexpr double kLargestGross = 999999999999;

// The largest gross the search tries. With fund percentages of 0 to 27.5 each, a rand of gross
// adds at least 0.725 x 0.59 = 0.42775 rand of net pay once the fixed amounts are paid, and the
// fixed amounts (K: the absolute values of every amount of the round that does not grow with
// the gross, the UIF at its ceiling included) cost at most 2 x K, so every such search ends
// below 3 x |net required| + 6 x K + 1000. The limit is that figure, but never more than
// kLargestGross, the most the gross field holds.
double searchLimit(const PackageInputs &in, const tax::SetupRecord &setup, bool annual);

// One search on its own, for the benchmark and the tests: the gross found in whole rand (the
// rounds a walk from 1 takes; 0 when it gave up) and the final round's figures in `out`. Where
// the net pay surely rises with the gross it halves the range instead of walking, and stops at
// the same gross with the same figures and the same lookup; otherwise it walks.
std::int64_t searchGross(const PackageInputs &in, const tax::SetupRecord &setup, bool annual,
                         PackageResults &out, tax::TaxLookup &lookup);

// The walk itself, one rand a round from 1: the reference the fast search must agree with.
std::int64_t walkGross(const PackageInputs &in, const tax::SetupRecord &setup, bool annual,
                       PackageResults &out, tax::TaxLookup &lookup);

// The figures of the one round for `gross`, as the search works them out.
PackageResults roundAt(const PackageInputs &in, const tax::SetupRecord &setup, bool annual,
                       double gross, tax::TaxLookup &lookup);

} // namespace quillon::package
