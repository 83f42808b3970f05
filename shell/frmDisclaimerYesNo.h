#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace quillon {
struct AppContext;
}

namespace quillon::shell {

struct ShellValues;

// The disclaimer asked once per release. "&OK" (only with the box ticked) records the
// acceptance and stores the release's disclaimer number in VAR1; "&Cancel" records a refusal;
// the close box leaves the answer unset. Start-up ends the program unless it was accepted.
class frmDisclaimerYesNo : public QDialog {
    Q_OBJECT
public:
    frmDisclaimerYesNo(const AppContext &context, ShellValues &values, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    // The main window may be put in its place by the desktop only after the disclaimer shows:
    // the disclaimer follows it there.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void acceptDisclaimer();
    void declineDisclaimer();

    const AppContext &m_context;
    ShellValues &m_values;
    QCheckBox *m_check = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace quillon::shell
