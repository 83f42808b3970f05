#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QList>
#include <QPoint>
#include <QPointer>

#include <optional>

class QKeyEvent;

namespace quillon {

// A panel a window shows in front of its own controls (settings, print, information, and the
// like): it paints its own ground and casts a shadow so it reads as lying on the form, stands
// at a fixed place in twips or centred, and disables the window's command buttons while it is
// open so that only the panel's own buttons act.
class OverlayPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit OverlayPanel(const QString &title, QWidget *parent = nullptr);

    // Where the panel stands: its top-left corner in twips from the window's corner, or (by
    // default) centred across and a third of the free height down.
    void placeAtTwips(int left, int top) { m_twips = QPoint(left, top); }
    void placeCentred() { m_twips.reset(); }

    // Buttons disabled while the panel is open and enabled again when it closes.
    void setGuardedButtons(const QList<QWidget *> &buttons);
    // The control that has the focus when the panel opens.
    void setFocusTarget(QWidget *target) { m_focusTarget = target; }

    bool isOpen() const { return isVisible(); }

    // Enter presses the default button; Escape presses the cancel button, or closes the panel.
    void setDefaultButton(QAbstractButton *button) { m_defaultButton = button; }
    void setCancelButton(QAbstractButton *button) { m_cancelButton = button; }

public Q_SLOTS:
    // In front, at its place, with the window's buttons disabled and the focus inside it.
    void open();
    // Hidden, the window's buttons enabled again; then closed().
    void dismiss();

Q_SIGNALS:
    void closed();

protected:
    // Hidden with the window's buttons enabled again, without closed().
    void release();
    // Just before the panel shows (a panel that can be cancelled notes what it opened with).
    virtual void opening() {}
    // Escape: presses the cancel button, or closes the panel.
    virtual void escape();

    void keyPressEvent(QKeyEvent *event) override;
    // Tab and Shift+Tab go round the panel's own controls, never to the fields behind it.
    bool focusNextPrevChild(bool next) override;

private:
    void place();

    std::optional<QPoint> m_twips;
    QList<QPointer<QWidget>> m_guarded;
    QPointer<QWidget> m_focusTarget;
    QPointer<QAbstractButton> m_defaultButton;
    QPointer<QAbstractButton> m_cancelButton;
};

} // namespace quillon
