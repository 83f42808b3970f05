#pragma once

#include <QString>

namespace quillon {

// The address of `function` in the shared module `module` ("quillon_help" for
// libquillon_help.so) of the program in `programFolder`: beside the program when run from its
// build folder, in its own library folder when installed. Null when the module or the function
// cannot be found, with the reason in `error`. A loaded module stays loaded.
QFunctionPointer resolveModuleIn(const QString &programFolder, const QString &module,
                                 const char *function, QString *error = nullptr);

} // namespace quillon
