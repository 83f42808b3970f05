#pragma once

#include "taxengine/SetupRecord.h"

namespace quillon::package {

// The net-to-gross windows hold the two R/Fund percentages to a combined 27.5: above it both
// become 0. Run when either percentage is committed, when the settings are loaded and before
// they are saved. Returns whether it reset them.
bool applyFundCeiling(tax::SetupRecord &setup);

} // namespace quillon::package
