#pragma once

#include "report/ReportComponent.h"
#include "report/ReportRecord.h"

#include "controls/OverlayPanel.h"

#include <optional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quillon::report {

// The hidden print panel every calculator window carries ("fraPrint" or "Frame1"): view or
// print, cancel, and on the period calculators the English / Afrikaans choice. Its children
// carry the names the windows and tests address: cmdVR, cmdPD, the cancel button, Option1,
// Option2 and the name field Text1.
class PrintPanel : public OverlayPanel {
    Q_OBJECT
public:
    struct Options {
        QString objectName = QStringLiteral("fraPrint");
        bool languageChoice = false; // Option1 "&English print" / Option2 "&Afrikaans print"
        bool nameField = false;      // Text1, at most 50 characters
        QString nameCaption;         // the label before Text1
        QString nameFieldName = QStringLiteral("Text1");
        QString cancelName = QStringLiteral("cmdCancel");
        QString cancelCaption = QStringLiteral("&Cancel");
    };

    explicit PrintPanel(const Options &options, QWidget *parent = nullptr);

    QString employeeName() const;
    void clearName();
    // The chosen language, or nothing when neither option is selected.
    std::optional<PrintLanguage> language() const;

    QPushButton *viewButton() const { return m_view; }
    QPushButton *printerButton() const { return m_printer; }
    QPushButton *cancelButton() const { return m_cancel; }

Q_SIGNALS:
    // The user chose an output; the window writes its record and runs the print.
    void outputChosen(quillon::report::Destination destination);
    void cancelled();

private:
    QPushButton *m_view = nullptr;
    QPushButton *m_printer = nullptr;
    QPushButton *m_cancel = nullptr;
    QRadioButton *m_english = nullptr;
    QRadioButton *m_afrikaans = nullptr;
    QLineEdit *m_name = nullptr;
};

} // namespace quillon::report
