#include "controls/OverlayPanel.h"

#include "controls/Twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColor>
#include <QGraphicsDropShadowEffect>
#include <QKeyEvent>

#include <algorithm>

namespace quillon {

OverlayPanel::OverlayPanel(const QString &title, QWidget *parent) : QGroupBox(title, parent) {
    setAutoFillBackground(true);
    auto *shadow = new QGraphicsDropShadowEffect(this);
    shadow->setBlurRadius(18);
    shadow->setOffset(3, 3);
    shadow->setColor(QColor(0, 0, 0, 110));
    setGraphicsEffect(shadow);
    hide();
}

void OverlayPanel::setGuardedButtons(const QList<QWidget *> &buttons) {
    m_guarded.clear();
    for (QWidget *b : buttons)
        m_guarded << QPointer<QWidget>(b);
}

void OverlayPanel::open() {
    opening();
    for (const auto &b : m_guarded)
        if (b)
            b->setEnabled(false);
    adjustSize();
    place();
    raise();
    show();
    if (m_focusTarget)
        m_focusTarget->setFocus(Qt::OtherFocusReason);
    else
        focusNextChild();
}

void OverlayPanel::dismiss() {
    release();
    Q_EMIT closed();
}

void OverlayPanel::release() {
    hide();
    for (const auto &b : m_guarded)
        if (b)
            b->setEnabled(true);
}

void OverlayPanel::keyPressEvent(QKeyEvent *event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier) {
        if (auto *focused = qobject_cast<QAbstractButton *>(focusWidget());
            focused && isAncestorOf(focused))
            focused->click();
        else if (m_defaultButton && m_defaultButton->isEnabled())
            m_defaultButton->click();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        escape();
        return;
    }
    QGroupBox::keyPressEvent(event);
}

void OverlayPanel::escape() {
    if (m_cancelButton)
        m_cancelButton->click();
    else
        dismiss();
}

bool OverlayPanel::focusNextPrevChild(bool next) {
    QList<QWidget *> stops;
    for (QWidget *w = nextInFocusChain(); w != this; w = w->nextInFocusChain())
        if (isAncestorOf(w) && w->isVisible() && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus))
            stops << w;
    if (stops.isEmpty())
        return false;
    const qsizetype at = stops.indexOf(QApplication::focusWidget());
    const qsizetype count = stops.size();
    const qsizetype to = at < 0 ? 0 : (at + (next ? 1 : count - 1)) % count;
    stops[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void OverlayPanel::place() {
    QWidget *host = parentWidget();
    if (!host)
        return;
    if (m_twips) {
        // Kept inside the window however small it is drawn.
        const int x = std::min(twipsToPixels(m_twips->x(), this), host->width() - width());
        const int y = std::min(twipsToPixels(m_twips->y(), this), host->height() - height());
        move(std::max(0, x), std::max(0, y));
        return;
    }
    move(std::max(0, (host->width() - width()) / 2), std::max(0, (host->height() - height()) / 3));
}

} // namespace quillon
