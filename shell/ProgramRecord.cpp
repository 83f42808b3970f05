#include "shell/ProgramRecord.h"

#include "shell/ModuleFile.h"
#include "taxengine/DatabaseFile.h"

#include <QLibrary>

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace quillon::shell {

namespace {

const QString kTable = QStringLiteral("ProgramState");

QString missingTable(const QString &path) {
    return QStringLiteral("The program-state file %1 has no ProgramState table.").arg(path);
}

} // namespace

ProgramRecordRead ProgramRecordStore::read() const {
    // Read in its own module (libquillon_record.so), unloaded at once: start-up needs SQLite
    // for this record only, and it would otherwise stay loaded for the session.
    ProgramRecordRead out;
    QLibrary module(moduleFile(QStringLiteral("libquillon_record.so")));
    using Read = void(const QString &, ProgramRecordRead *);
    auto *readRecord = reinterpret_cast<Read *>(module.resolve("quillonReadProgramRecord"));
    if (!readRecord) {
        out.error = QStringLiteral("The program-state file %1 could not be read: %2")
                        .arg(m_path, module.errorString());
        return out;
    }
    readRecord(m_path, &out);
    module.unload();
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
