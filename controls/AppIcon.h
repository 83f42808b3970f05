#pragma once

#include <QIcon>

namespace quillon {

// The program's icon, drawn rather than shipped: a white "Q" with a rand stroke on a navy
// rounded square, at the sizes window frames and task bars ask for.
QIcon applicationIcon();

} // namespace quillon
