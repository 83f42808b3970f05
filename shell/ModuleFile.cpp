#include "shell/ModuleFile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace quillon::shell {

QString moduleFile(const QString &file) {
    const QString folder = QCoreApplication::applicationDirPath();
    const QString beside = folder + u'/' + file;
    if (QFileInfo::exists(beside))
        return beside;
    return folder + QStringLiteral("/" QUILLON_INSTALLED_MODULE_DIR "/") + file;
}

} // namespace quillon::shell
