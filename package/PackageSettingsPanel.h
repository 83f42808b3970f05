#pragma once

#include "taxengine/SetupRecord.h"

#include "controls/OverlayPanel.h"

#include <QString>

class QRadioButton;

namespace quillon {
class MessageService;
class NumericEdit;
class WholeNumberEdit;
} // namespace quillon

namespace quillon::package {

// The settings panel "Setup" (Frame3) of the four package windows: the two R/Fund percentages,
// the UIF portions and limit, the skills levy and the three rate and yes/no choices. It edits
// the window's own copy of the settings row at once; "O&K" saves the package fields, Escape
// puts back the figures the panel opened with. The net-to-gross windows hold the two R/Fund
// percentages to their combined ceiling, and say so when they reset them.
class PackageSettingsPanel : public OverlayPanel {
    Q_OBJECT
public:
    PackageSettingsPanel(QString settingsPath, MessageService &messages, bool fundCeiling,
                         const QString &travelCaption, QWidget *parent = nullptr);

    // Shows a stored row; an option is selected only for exactly 0.8 or 0.2 (or a set flag).
    // `stored` is false when the row is the delivered one because the saved one could not be
    // read: "O&K" then keeps the figures in the window and never saves them.
    void setSettings(const tax::SetupRecord &record, bool stored = true);
    const tax::SetupRecord &settings() const { return m_record; }

    // "O&K": saves, hides, gives the buttons back, runs pending events, then closed().
    void accept();

protected:
    void opening() override;
    void escape() override;

private:
    NumericEdit *percent(const QString &name, double tax::SetupRecord::*field);
    void showFigures();
    void showChoices();
    void keepFundCeiling();

    QString m_settingsPath;
    MessageService &m_messages;
    bool m_fundCeiling;
    tax::SetupRecord m_record;
    tax::SetupRecord m_opened; // what Escape puts back
    bool m_stored = true;
    bool m_showing = false;
    NumericEdit *m_employeeFund = nullptr;
    NumericEdit *m_employerFund = nullptr;
    NumericEdit *m_employeeUif = nullptr;
    NumericEdit *m_employerUif = nullptr;
    WholeNumberEdit *m_uifLimit = nullptr;
    NumericEdit *m_skillLevy = nullptr;
    QRadioButton *m_travel80 = nullptr;
    QRadioButton *m_travel20 = nullptr;
    QRadioButton *m_car80 = nullptr;
    QRadioButton *m_car20 = nullptr;
    QRadioButton *m_planYes = nullptr;
    QRadioButton *m_planNo = nullptr;
};

} // namespace quillon::package
