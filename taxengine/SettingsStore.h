#pragma once

#include "taxengine/SetupRecord.h"

#include <QString>

#include <optional>

namespace quillon::tax {

// Reads and writes the single `Setup` row of the settings database. Nothing here is cached:
// every window reads the row when it opens and writes it from its settings panel.
class SettingsStore {
public:
    explicit SettingsStore(QString path) : m_path(std::move(path)) {}

    const QString &path() const { return m_path; }

    // The stored row, or nothing (with lastError() saying why) when the file, the table or the
    // row is missing or unreadable.
    std::optional<SetupRecord> read();

    // The five period windows save EmployeeUIF, EmployerUIF, SkillLevy, UIFLimit and
    // TAIncRate8020; the package windows save all eleven fields. Fields a window does not save
    // keep their stored values. A write is one statement, so the row is replaced whole or not
    // at all; false (with lastError()) when it could not be written.
    bool writePeriodSettings(const SetupRecord &record);
    bool writePackageSettings(const SetupRecord &record);

    const QString &lastError() const { return m_error; }

private:
    bool write(const SetupRecord &record, bool allFields);

    QString m_path;
    QString m_error;
};

} // namespace quillon::tax
