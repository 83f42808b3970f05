#pragma once

#include "taxengine/SetupRecord.h"

#include "controls/OverlayPanel.h"

#include <QString>

class QPushButton;
class QRadioButton;

namespace quillon {
class MessageService;
class NumericEdit;
class WholeNumberEdit;
} // namespace quillon

namespace quillon::paye {

// The settings panel "Setup" (Frame3) of the five period calculators: the UIF portions, the
// UIF monthly limit, the skills levy and the travel-allowance inclusion rate. It holds the
// window's own copy of the settings row; every edit changes the copy at once. "O&K" saves the
// five period fields, hides the panel and gives the window its buttons back; Escape puts back
// the figures the panel opened with and saves nothing. A save that fails
// is told to the user and the copy stays in use, so nothing typed is lost.
class PeriodSettingsPanel : public OverlayPanel {
    Q_OBJECT
public:
    PeriodSettingsPanel(QString settingsPath, MessageService &messages, QWidget *parent = nullptr);

    // Shows a row; an option is selected only for a rate of exactly 0.8 or 0.2. `stored` is
    // false when the row is the delivered one because the file could not be read: the panel
    // then keeps the user's changes in the window and never saves them over the saved ones.
    void setSettings(const tax::SetupRecord &record, bool stored = true);
    const tax::SetupRecord &settings() const { return m_record; }

    // "O&K": saves, hides, re-enables, runs pending events, then closed() (the window
    // recalculates there).
    void accept();

Q_SIGNALS:
    void settingsChanged();

protected:
    void opening() override;
    void escape() override;

private:
    void showRate(double rate);

    QString m_settingsPath;
    MessageService &m_messages;
    tax::SetupRecord m_record;
    tax::SetupRecord m_opened; // what Escape puts back
    bool m_stored = true;
    NumericEdit *m_employeeUif = nullptr;
    NumericEdit *m_employerUif = nullptr;
    WholeNumberEdit *m_uifLimit = nullptr;
    NumericEdit *m_skillLevy = nullptr;
    QRadioButton *m_rate80 = nullptr;
    QRadioButton *m_rate20 = nullptr;
    QPushButton *m_ok = nullptr;
    bool m_showing = false;
};

} // namespace quillon::paye
