#include "taxengine/ModuleLoader.h"

#include <QFileInfo>
#include <QLibrary>

namespace quillon {

QFunctionPointer resolveModuleIn(const QString &programFolder, const QString &module,
                                 const char *function, QString *error) {
    const QString file = QStringLiteral("lib%1.so").arg(module);
    QString path = programFolder + u'/' + file;
    if (!QFileInfo::exists(path))
        path = programFolder + QStringLiteral("/" QUILLON_INSTALLED_MODULE_DIR "/") + file;
    QLibrary library(path);
    if (!library.load()) {
        if (error)
            *error = library.errorString();
        return nullptr;
    }
    const QFunctionPointer address = library.resolve(function);
    if (!address && error)
        *error = QStringLiteral("%1 has no function %2").arg(path, QLatin1String(function));
    return address;
}

} // namespace quillon
