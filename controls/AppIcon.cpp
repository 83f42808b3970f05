#include "controls/AppIcon.h"

#include <QFont>
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
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(static_cast<int>(size * 0.66));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(square.adjusted(0, -size * 0.04, 0, 0), Qt::AlignCenter, QStringLiteral("Q"));
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
