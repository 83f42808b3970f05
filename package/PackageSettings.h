#pragma once

#include "taxengine/SetupRecord.h"

#include <QStringView>

namespace quillon::package {

// The net-to-gross windows hold the two R/Fund percentages to a combined 27.5: above it both
// become 0, without a message. Run whenever either percentage changes, when the settings are
// loaded and before they are saved. Returns whether it reset them.
bool applyFundCeiling(tax::SetupRecord &setup);

// Leaving a percentage field of the settings panel commits its whole text: a text that reads
// as a non-zero number is kept as typed, anything else (empty, 0, "12abc") makes the field 0.
double committedPercentage(QStringView text);

} // namespace quillon::package
