#pragma once

#include <QString>

namespace quillon::shell {

// The path of `file`, a module or helper program of the desktop program's own: beside the
// program when run from its build folder, else in its library folder (installed).
QString moduleFile(const QString &file);

} // namespace quillon::shell
