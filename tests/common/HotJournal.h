#pragma once

#include "common/TestData.h"

#include <QFile>
#include <QProcess>
#include <QString>

namespace quillon::test {

// Runs `update` on the file in a child process that is killed before it commits, the way a
// power cut or a kill in the middle of a save leaves it. True when a hot journal was left.
inline bool leaveHotJournal(const QString &path, const QString &update) {
    QProcess writer;
    writer.start(binPath(QStringLiteral("quillon_interrupted_write")), {path, update});
    if (!writer.waitForReadyRead(30000))
        return false;
    writer.kill();
    writer.waitForFinished();
    return QFile::exists(path + QStringLiteral("-journal"));
}

} // namespace quillon::test
