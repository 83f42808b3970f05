#include "controls/OverlayPanel.h"

#include "controls/Twips.h"

#include <QColor>
#include <QGraphicsDropShadowEffect>

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
