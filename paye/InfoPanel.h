#pragma once

#include <QGroupBox>

class QLabel;
class QPushButton;

namespace quillon::paye {

// A titled panel of explanatory text that a window's information button shows in front of its
// controls and its own OK button hides again (fraInfo_One "General Information").
class InfoPanel : public QGroupBox {
    Q_OBJECT
public:
    struct Names {
        QString panel;  // fraInfo_One
        QString label;  // lblABC
        QString button; // cmdOK_Info_One
    };

    InfoPanel(const QString &title, const QString &text, const Names &names,
              QWidget *parent = nullptr);

    // Centred on the window, in front, with the focus on its OK button.
    void open();

    QPushButton *okButton() const { return m_ok; }

private:
    QLabel *m_text = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace quillon::paye
