#pragma once

#include "forms/CalculatorWindow.h"
#include "package/PackageFields.h"
#include "package/PackageTypes.h"

#include <utility>
#include <vector>

class QLabel;

namespace quillon::package {

class PackageSettingsPanel;

// What the four salary package windows share: the left column with the "Cost to company"
// column on the same rows and the live copies, the other expenses, the once-off car line, the
// red warning, the Settings, R/A and print panels, and Calculate. A window names only its
// kind; the differences between the four come from it.
class PackageCalcWindow : public CalculatorWindow {
    Q_OBJECT
public:
    PackageCalcWindow(const AppContext &context, PackageWindow kind, const QString &name,
                      const QString &caption, QWidget *parent = nullptr);

    const PackageInputs &inputs() const { return m_entry.fields; }
    const PackageResults &results() const { return m_results; }
    const tax::SetupRecord &settings() const;

    // "&Calculate" (also after Settings O&K and before the print panel opens).
    bool calculate() override;

protected:
    std::optional<report::PrintJob>
    printJob(std::optional<report::PrintLanguage> language) override;

private:
    FieldTable fieldTable();
    QWidget *buildFooter();
    void buildRaPanel();
    void frameCostColumn();
    void showOutcome();
    void openRaPanel();

    PackageWindow m_kind;
    PackageEntry m_entry; // the window's Settings panel keeps the settings
    std::vector<std::pair<QString, QString>> m_copies; // input, its copy in the cost column
    PackageResults m_results;
    PackageSettingsPanel *m_settings = nullptr;
    OverlayPanel *m_raPanel = nullptr;
    QLabel *m_raLineA = nullptr;
    QLabel *m_raLineC = nullptr;
    QWidget *m_onceOff = nullptr;
    QLabel *m_warning = nullptr;
};

} // namespace quillon::package
