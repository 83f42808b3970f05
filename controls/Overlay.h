#pragma once

#include <QColor>
#include <QGraphicsDropShadowEffect>
#include <QWidget>

namespace quillon {

// A panel that a window shows in front of its own controls (settings, print, information):
// it paints its own ground and casts a soft shadow, so it reads as lying on top of the form.
inline void makeOverlay(QWidget *panel) {
    panel->setAutoFillBackground(true);
    auto *shadow = new QGraphicsDropShadowEffect(panel);
    shadow->setBlurRadius(18);
    shadow->setOffset(3, 3);
    shadow->setColor(QColor(0, 0, 0, 110));
    panel->setGraphicsEffect(shadow);
}

} // namespace quillon
