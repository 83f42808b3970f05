#include "BackgroundPicture.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace quillon::datagen {

QImage drawBackgroundPicture(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QRectF all(QPointF(0, 0), QSizeF(size));
    QLinearGradient sky(all.topLeft(), all.bottomRight());
    sky.setColorAt(0.0, QColor(0x1d, 0x3b, 0x5c));
    sky.setColorAt(0.55, QColor(0x2f, 0x6a, 0x8f));
    sky.setColorAt(1.0, QColor(0x7f, 0xb2, 0xc9));
    p.fillRect(all, sky);

    // A soft light behind the name, so the text reads well at any window size.
    QRadialGradient glow(all.center(), size.width() * 0.45);
    glow.setColorAt(0.0, QColor(255, 255, 255, 60));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(all, glow);

    // Three faint bands suggesting columns of figures.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        const double x = size.width() * (0.12 + 0.27 * i);
        p.setBrush(QColor(255, 255, 255, 14));
        p.drawRoundedRect(QRectF(x, size.height() * 0.08, size.width() * 0.2, size.height() * 0.84),
                          18, 18);
    }

    const int nameSize = size.height() / 9;
    QFont name(QStringLiteral("DejaVu Sans"));
    name.setPixelSize(nameSize);
    name.setBold(true);
    p.setFont(name);
    const QRectF nameBox(0, size.height() * 0.36, size.width(), nameSize * 1.4);
    p.setPen(QColor(0, 0, 0, 70));
    p.drawText(nameBox.translated(3, 3), Qt::AlignCenter, QStringLiteral("Quillon 2017"));
    p.setPen(QColor(0xf4, 0xf7, 0xfa));
    p.drawText(nameBox, Qt::AlignCenter, QStringLiteral("Quillon 2017"));

    QFont sub(QStringLiteral("DejaVu Sans"));
    sub.setPixelSize(size.height() / 30);
    p.setFont(sub);
    p.setPen(QColor(0xdd, 0xe8, 0xf0));
    const QRectF subBox(0, nameBox.bottom() + nameSize * 0.1, size.width(), nameSize * 0.6);
    p.drawText(subBox, Qt::AlignCenter,
               QStringLiteral("Payroll and business calculators  \u2022  2017 tax year"));
    p.end();
    return image;
}

} // namespace quillon::datagen
