#include "forms/LazyModule.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace quillon {

QFunctionPointer resolveModuleFunction(const QString &module, const char *function,
                                       QString *error) {
    const QString folder = QCoreApplication::applicationDirPath();
    const QString file = QStringLiteral("lib%1.so").arg(module);
    // Beside the program when run from its build folder, in its own library folder when
    // installed.
    QString path = folder + u'/' + file;
    if (!QFileInfo::exists(path))
        path = folder + QStringLiteral("/" QUILLON_INSTALLED_MODULE_DIR "/") + file;
    QLibrary library(path);
    if (!library.load()) {
        if (error)
            *error = library.errorString();
        return nullptr;
    }
    QFunctionPointer address = library.resolve(function);
    if (!address && error)
        *error = QStringLiteral("%1 has no function %2").arg(path, QLatin1String(function));
    return address;
}

} // namespace quillon
