#pragma once

#include "controls/OverlayPanel.h"

class QLabel;
class QPushButton;

namespace quillon {

// A titled panel of explanatory text that a window's information button shows in front of its
// controls and its own OK button hides again (fraInfo_One "General Information").
class InfoPanel : public OverlayPanel {
    Q_OBJECT
public:
    struct Names {
        QString panel;  // fraInfo_One
        QString label;  // lblABC
        QString button; // cmdOK_Info_One
    };

    InfoPanel(const QString &title, const QString &text, const Names &names,
              QWidget *parent = nullptr);

    QPushButton *okButton() const { return m_ok; }

private:
    QLabel *m_text = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace quillon
