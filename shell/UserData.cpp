#include "shell/UserData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>

#include <utility>

namespace quillon::shell {

namespace {

// Why `folder` could not be made: the nearest folder above it that exists is not one, or
// cannot be written.
QString whyNotMade(const QString &folder) {
    QFileInfo above(QDir::cleanPath(folder));
    while (!above.exists() && !above.isRoot())
        above = QFileInfo(above.absolutePath());
    if (above.exists() && !above.isDir())
        return QStringLiteral("%1 is a file, not a folder").arg(above.absoluteFilePath());
    return QStringLiteral("%1 cannot be written").arg(above.absoluteFilePath());
}

// The schema version an SQLite file's header carries (PRAGMA user_version, bytes 60 to 63),
// 0 for a file too short to have one.
quint32 schemaVersion(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray head = file.read(64);
    if (head.size() < 64)
        return 0;
    quint32 version = 0;
    for (int i = 60; i < 64; ++i)
        version = (version << 8) | static_cast<quint8>(head[i]);
    return version;
}

} // namespace

DataPaths startupDataPaths(const QString &programFolder, const QString &userFolder,
                           QString *problem) {
    const QString delivered = DataPaths::deliveredFolder(programFolder);
    DataPaths paths = DataPaths::forFolder(delivered);
    const bool beside = QDir(delivered) == QDir(programFolder);
    if (beside && QFileInfo(delivered).isWritable())
        return paths;

    const auto tell = [problem](const QString &text) {
        if (problem && problem->isEmpty())
            *problem = text;
    };
    const QDir user(userFolder);
    if (!user.mkpath(QStringLiteral("."))) {
        tell(QStringLiteral("The folder %1 for your own data files could not be made: %2.")
                 .arg(userFolder, whyNotMade(userFolder)));
        return paths;
    }
    if (!QFileInfo(user.absolutePath()).isWritable())
        tell(QStringLiteral("The folder %1 for your own data files cannot be written.")
                 .arg(userFolder));
    const DataPaths own = DataPaths::forFolder(user.absolutePath());
    for (const auto &[from, to] : {std::pair{&paths.settingsDatabase, own.settingsDatabase},
                                   std::pair{&paths.programStateDatabase, own.programStateDatabase},
                                   std::pair{&paths.reportDatabase, own.reportDatabase}}) {
        // The user's copy is never replaced: it holds the user's settings. The report database
        // holds only the last printouts, and a copy of an older schema could not take the
        // fields a newer program prints: that copy is replaced.
        if (from == &paths.reportDatabase && QFileInfo::exists(to) &&
            schemaVersion(to) != schemaVersion(*from))
            QFile::remove(to);
        if (!QFileInfo::exists(to)) {
            QFile source(*from);
            if (!source.copy(to)) {
                // The delivered file still serves for reading.
                QFile::remove(to);
                const bool full =
                    QStorageInfo(user.absolutePath()).bytesAvailable() < QFileInfo(*from).size();
                tell(QStringLiteral("The data file %1 could not be copied to %2: %3.")
                         .arg(*from, userFolder,
                              full ? QStringLiteral("the disk is full") : source.errorString()));
                continue;
            }
            // The delivered file is read-only; the copy is the user's to write.
            QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                          QFile::WriteUser);
        }
        *from = to;
    }
    return paths;
}

QString userDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

} // namespace quillon::shell
