#pragma once

#include <QWidget>

class QToolButton;

namespace quillon {

// A pair of small up/down arrow buttons beside a field. It holds no value of its own: each
// press (and each repeat while held, and the arrow keys) is a step signal the window acts on.
class Spinner : public QWidget {
    Q_OBJECT
public:
    explicit Spinner(QWidget *parent = nullptr);

    QToolButton *upButton() const { return m_up; }
    QToolButton *downButton() const { return m_down; }

Q_SIGNALS:
    void steppedUp();
    void steppedDown();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QToolButton *m_up = nullptr;
    QToolButton *m_down = nullptr;
};

} // namespace quillon
