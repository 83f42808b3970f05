#include "shell/UserData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

namespace quillon::shell {

DataPaths startupDataPaths(const QString &programFolder, const QString &userFolder,
                           QString *problem) {
    const QString delivered = DataPaths::deliveredFolder(programFolder);
    DataPaths paths = DataPaths::forFolder(delivered);
    const bool beside = QDir(delivered) == QDir(programFolder);
    if (beside && QFileInfo(delivered).isWritable())
        return paths;

    const QDir user(userFolder);
    if (!user.mkpath(QStringLiteral("."))) {
        if (problem)
            *problem = QStringLiteral("The folder %1 could not be made.").arg(userFolder);
        return paths;
    }
    const DataPaths own = DataPaths::forFolder(user.absolutePath());
    for (const auto &[from, to] : {std::pair{paths.settingsDatabase, own.settingsDatabase},
                                   std::pair{paths.programStateDatabase, own.programStateDatabase},
                                   std::pair{paths.reportDatabase, own.reportDatabase}}) {
        // The user's copy is never replaced: it holds the user's settings.
        if (QFileInfo::exists(to))
            continue;
        if (!QFile::copy(from, to)) {
            if (problem)
                *problem = QStringLiteral("The data file %1 could not be copied to %2.")
                               .arg(from, userFolder);
            continue;
        }
        // The delivered file is read-only; the copy is the user's to write.
        QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                      QFile::WriteUser);
    }
    paths.settingsDatabase = own.settingsDatabase;
    paths.programStateDatabase = own.programStateDatabase;
    paths.reportDatabase = own.reportDatabase;
    return paths;
}

QString userDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

} // namespace quillon::shell
