#pragma once

#include <QString>

namespace quillon {

// Two parts of the program need a large library of their own: the help manual's PDF viewer
// and the loan graph's charts. Each lives in a shared module
// beside the program (or in its library folder when installed) and is loaded at its first use,
// so that start-up does not load and relocate those libraries every time.

// The address of `function` in `module` ("quillon_help" for libquillon_help.so), loading the
// module if need be; null when the module or the function cannot be found, with the reason
// in `error`. Safe to call from any thread; a loaded module stays loaded.
QFunctionPointer resolveModuleFunction(const QString &module, const char *function,
                                       QString *error = nullptr);

template <class Function>
Function *moduleFunction(const QString &module, const char *function, QString *error = nullptr) {
    return reinterpret_cast<Function *>(resolveModuleFunction(module, function, error));
}

} // namespace quillon
