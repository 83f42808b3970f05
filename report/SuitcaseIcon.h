#pragma once

#include <QIcon>

namespace quillon::report {

// The preview's export button: a small brown suitcase, drawn here because no icon theme on
// the target systems carries one.
QIcon suitcaseIcon();

} // namespace quillon::report
