#pragma once

#include <QWidget>

class QCheckBox;

namespace quillon {
struct AppContext;
}

namespace quillon::shell {

struct ShellValues;

// "About Quillon 2017...": the version, the maker and the copying notice, and the check box
// that decides whether the window opens at start-up. The choice is saved to the program-state
// record when the window closes, however it is closed.
class frmAbout : public QWidget {
    Q_OBJECT
public:
    frmAbout(const AppContext &context, ShellValues &values, QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void save();

    const AppContext &m_context;
    ShellValues &m_values;
    QCheckBox *m_check = nullptr;
    bool m_saved = false;
};

} // namespace quillon::shell
