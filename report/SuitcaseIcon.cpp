#include "report/SuitcaseIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace quillon::report {

namespace {

QPixmap suitcase(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0); // drawn on a 32 x 32 grid

    const QColor leather(0x8b, 0x5a, 0x2b);
    const QColor edge(0x4a, 0x2e, 0x12);
    const QColor strap(0xd9, 0xb3, 0x6c);

    // Handle above the lid.
    QPen handlePen(edge, 2.6);
    p.setPen(handlePen);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(11, 4.5, 10, 7), 2.5, 2.5);

    // Body.
    p.setPen(QPen(edge, 1.6));
    p.setBrush(leather);
    p.drawRoundedRect(QRectF(2.5, 10, 27, 18.5), 3, 3);

    // Two straps and the lid's seam.
    p.setPen(Qt::NoPen);
    p.setBrush(strap);
    p.drawRect(QRectF(8, 10.8, 2.6, 17));
    p.drawRect(QRectF(21.4, 10.8, 2.6, 17));
    p.setPen(QPen(edge, 1.0));
    p.drawLine(QPointF(3.5, 16), QPointF(28.5, 16));

    // Clasp.
    p.setPen(QPen(edge, 0.8));
    p.setBrush(QColor(0xf0, 0xd0, 0x80));
    p.drawRect(QRectF(14, 14.3, 4, 3.6));
    return pixmap;
}

} // namespace

QIcon suitcaseIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48})
        icon.addPixmap(suitcase(size));
    return icon;
}

} // namespace quillon::report
