#include "shell/ProgramRecord.h"

#include "taxengine/DatabaseFile.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

namespace quillon::shell {

namespace {

const QString kTable = QStringLiteral("ProgramState");

QString missingTable(const QString &path) {
    return QStringLiteral("The program-state file %1 has no ProgramState table.").arg(path);
}

} // namespace

ProgramRecordRead ProgramRecordStore::read() const {
    ProgramRecordRead out;
    DatabaseFile file(m_path, DatabaseFile::Mode::ReadOnly);
    if (!file.isOpen()) {
        out.error = file.error();
        return out;
    }
    if (!file.hasTable(kTable)) {
        out.error = missingTable(m_path);
        return out;
    }
    QSqlQuery q(file.database());
    if (!q.exec(
            QStringLiteral("SELECT ViewAbout, VAR1, UpdateAddress, VideoAddress FROM ProgramState "
                           "ORDER BY rowid LIMIT 1"))) {
        out.error = QStringLiteral("The program-state file %1 could not be read: %2")
                        .arg(m_path, sqlProblem(q.lastError()));
        return out;
    }
    if (!q.next()) {
        out.error = QStringLiteral("The program-state file %1 holds no record.").arg(m_path);
        return out;
    }
    // Yes/No is stored as -1/0; any non-zero value counts as Yes.
    out.record.viewAbout = q.value(0).toLongLong() != 0;
    const qlonglong var1 = q.value(1).toLongLong();
    out.record.var1 = static_cast<std::int16_t>(std::clamp<qlonglong>(var1, INT16_MIN, INT16_MAX));
    out.record.updateAddress = q.value(2).toString();
    out.record.videoAddress = q.value(3).toString();
    return out;
}

QString ProgramRecordStore::writeField(const QString &field, int value) const {
    DatabaseFile file(m_path);
    if (!file.isOpen())
        return file.error();
    if (!file.hasTable(kTable))
        return missingTable(m_path);
    QSqlQuery q(file.database());
    // The first record is the one read at start-up.
    if (!q.exec(QStringLiteral("UPDATE ProgramState SET %1 = %2 WHERE rowid = "
                               "(SELECT MIN(rowid) FROM ProgramState)")
                    .arg(field)
                    .arg(value)))
        return QStringLiteral("The program-state file %1 could not be saved: %2")
            .arg(m_path, sqlProblem(q.lastError()));
    if (q.numRowsAffected() != 1)
        return QStringLiteral("The program-state file %1 holds no record.").arg(m_path);
    return {};
}

QString ProgramRecordStore::writeViewAbout(bool viewAbout) const {
    return writeField(QStringLiteral("ViewAbout"), viewAbout ? -1 : 0);
}

QString ProgramRecordStore::writeVar1(std::int16_t var1) const {
    return writeField(QStringLiteral("VAR1"), var1);
}

} // namespace quillon::shell
