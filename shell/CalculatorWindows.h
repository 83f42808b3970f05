#pragma once

#include "shell/WindowCatalogue.h"

namespace quillon::shell {

// Wires every calculator window into the catalogue. A window name the catalogue does not list
// is a fault in this program's code and throws std::logic_error, so a misspelt name fails the
// first test that builds the catalogue instead of leaving a menu item grey.
void registerCalculatorWindows(WindowCatalogue &catalogue);

} // namespace quillon::shell
