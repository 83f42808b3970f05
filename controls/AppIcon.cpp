#include "controls/AppIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace quillon {

namespace {

QPixmap drawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF square(size * 0.04, size * 0.04, size * 0.92, size * 0.92);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x3a, 0x5f));
    p.drawRoundedRect(square, size * 0.18, size * 0.18);
    // The "Q" is drawn as a ring and a tail rather than as text, so the icon needs no font:
    // it is made before the main window shows, and loading a font then slowed start-up.
    const QPointF centre(size * 0.5, size * 0.45);
    QPainterPath ring;
    ring.addEllipse(centre, size * 0.25, size * 0.27);
    ring.addEllipse(centre, size * 0.15, size * 0.17);
    p.setBrush(Qt::white);
    p.drawPath(ring);
    p.setPen(QPen(Qt::white, size * 0.1, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(size * 0.55, size * 0.52), QPointF(size * 0.72, size * 0.7));
    // A gold underline: the money the program counts.
    p.setPen(QPen(QColor(0xe0, 0xb0, 0x40), size * 0.07, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(size * 0.28, size * 0.84), QPointF(size * 0.72, size * 0.84));
    return pixmap;
}

} // namespace

QIcon applicationIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(drawIcon(size));
    return icon;
}

} // namespace quillon
