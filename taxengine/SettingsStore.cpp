#include "taxengine/SettingsStore.h"

#include "taxengine/DatabaseFile.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

namespace quillon::tax {

namespace {
const QString kFirstRow = QStringLiteral("rowid = (SELECT min(rowid) FROM Setup)");
}

std::optional<SetupRecord> SettingsStore::read() {
    m_error.clear();
    DatabaseFile file(m_path, DatabaseFile::Mode::ReadOnly);
    if (!file.isOpen()) {
        m_error = file.error();
        return std::nullopt;
    }
    QSqlQuery query(file.database());
    if (!query.exec(
            QStringLiteral(
                "SELECT PensionCont, EmployerPenCont, EmployeeUIF, EmployerUIF, SkillLevy, "
                "ProvCont, "
                "EmployerProvCont, UIFLimit, TAIncRate8020, CompCarFBRate8020, CompCarMPYesNo "
                "FROM Setup WHERE ") +
            kFirstRow)) {
        m_error = QStringLiteral("The settings could not be read from %1: %2")
                      .arg(m_path, query.lastError().text());
        return std::nullopt;
    }
    if (!query.next()) {
        m_error = QStringLiteral("The settings file %1 holds no settings row.").arg(m_path);
        return std::nullopt;
    }
    SetupRecord r;
    r.PensionCont = query.value(0).toDouble();
    r.EmployerPenCont = query.value(1).toDouble();
    r.EmployeeUIF = query.value(2).toDouble();
    r.EmployerUIF = query.value(3).toDouble();
    r.SkillLevy = query.value(4).toDouble();
    r.ProvCont = query.value(5).toDouble();
    r.EmployerProvCont = query.value(6).toDouble();
    r.UIFLimit = query.value(7).toDouble();
    r.TAIncRate8020 = query.value(8).toDouble();
    r.CompCarFBRate8020 = query.value(9).toDouble();
    // Stored the way the original engine kept Yes/No: true is -1, false 0.
    r.CompCarMPYesNo = query.value(10).toInt() != 0;
    return r;
}

bool SettingsStore::writePeriodSettings(const SetupRecord &record) {
    return write(record, false);
}

bool SettingsStore::writePackageSettings(const SetupRecord &record) {
    return write(record, true);
}

bool SettingsStore::write(const SetupRecord &r, bool allFields) {
    m_error.clear();
    DatabaseFile file(m_path);
    if (!file.isOpen()) {
        m_error = file.error();
        return false;
    }
    QSqlQuery query(file.database());
    const QString sql =
        allFields ? QStringLiteral("UPDATE Setup SET PensionCont = ?, EmployerPenCont = ?, "
                                   "EmployeeUIF = ?, EmployerUIF = ?, SkillLevy = ?, ProvCont = ?, "
                                   "EmployerProvCont = ?, UIFLimit = ?, TAIncRate8020 = ?, "
                                   "CompCarFBRate8020 = ?, CompCarMPYesNo = ? WHERE ")
                  : QStringLiteral("UPDATE Setup SET EmployeeUIF = ?, EmployerUIF = ?, "
                                   "SkillLevy = ?, UIFLimit = ?, TAIncRate8020 = ? WHERE ");
    if (!query.prepare(sql + kFirstRow)) {
        m_error = QStringLiteral("The settings could not be saved to %1: %2")
                      .arg(m_path, query.lastError().text());
        return false;
    }
    if (allFields) {
        for (double v :
             {r.PensionCont, r.EmployerPenCont, r.EmployeeUIF, r.EmployerUIF, r.SkillLevy,
              r.ProvCont, r.EmployerProvCont, r.UIFLimit, r.TAIncRate8020, r.CompCarFBRate8020})
            query.addBindValue(v);
        query.addBindValue(r.CompCarMPYesNo ? -1 : 0);
    } else {
        for (double v : {r.EmployeeUIF, r.EmployerUIF, r.SkillLevy, r.UIFLimit, r.TAIncRate8020})
            query.addBindValue(v);
    }
    if (!query.exec()) {
        m_error = QStringLiteral("The settings could not be saved to %1: %2")
                      .arg(m_path, query.lastError().text());
        return false;
    }
    if (query.numRowsAffected() != 1) {
        m_error = QStringLiteral("The settings file %1 holds no settings row.").arg(m_path);
        return false;
    }
    return true;
}

} // namespace quillon::tax
