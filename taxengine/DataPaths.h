#pragma once

#include <QDir>
#include <QString>

namespace quillon {

// The three data-file paths, formed once at start-up from the program folder and handed to
// every window that reads or writes data; no window forms its own.
struct DataPaths {
    QString programFolder;
    QString reportDatabase;       // Crysprin.mdb
    QString programStateDatabase; // bcdv.mdb
    QString settingsDatabase;     // Settings.mdb

    static DataPaths forFolder(const QString &folder) {
        const QDir dir(folder);
        return {QDir::toNativeSeparators(dir.absolutePath()),
                QDir::toNativeSeparators(dir.filePath(QStringLiteral("Crysprin.mdb"))),
                QDir::toNativeSeparators(dir.filePath(QStringLiteral("bcdv.mdb"))),
                QDir::toNativeSeparators(dir.filePath(QStringLiteral("Settings.mdb")))};
    }

    // The folder holding the delivered files: the program folder itself (a build folder, or a
    // copy that keeps its files beside the program), else <prefix>/share/quillon for a program
    // installed in <prefix>/bin.
    static QString deliveredFolder(const QString &programFolder) {
        const QDir dir(programFolder);
        if (dir.exists(QStringLiteral("Settings.mdb")))
            return dir.absolutePath();
        const QString shared =
            QDir::cleanPath(dir.absoluteFilePath(QStringLiteral("../share/quillon")));
        return QDir(shared).exists(QStringLiteral("Settings.mdb")) ? shared : dir.absolutePath();
    }

    // Another file beside the program (a layout, the picture, the help document).
    QString file(const QString &name) const {
        return QDir::toNativeSeparators(QDir(programFolder).filePath(name));
    }
};

} // namespace quillon
