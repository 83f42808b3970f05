#include "forms/LazyModule.h"

#include "taxengine/ModuleLoader.h"

#include <QCoreApplication>

namespace quillon {

QFunctionPointer resolveModuleFunction(const QString &module, const char *function,
                                       QString *error) {
    return resolveModuleIn(QCoreApplication::applicationDirPath(), module, function, error);
}

} // namespace quillon
