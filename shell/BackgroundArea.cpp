#include "shell/BackgroundArea.h"

#include <QImageReader>
#include <QPaintEvent>
#include <QPainter>

namespace quillon::shell {

BackgroundArea::BackgroundArea(QWidget *parent) : QMdiArea(parent) {
    setObjectName(QStringLiteral("MDIClient"));
    setBackground(QColor(0x2f, 0x4f, 0x6f));
}

bool BackgroundArea::loadPicture(const QString &path) {
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!reader.canRead() || size.isEmpty())
        return false;
    m_picturePath = path;
    m_pictureSize = size;
    m_scaled = {};
    viewport()->update();
    return true;
}

void BackgroundArea::resizeEvent(QResizeEvent *event) {
    m_scaled = {};
    QMdiArea::resizeEvent(event);
}

void BackgroundArea::paintEvent(QPaintEvent *event) {
    const QSize area = viewport()->size();
    const qreal ratio = devicePixelRatioF();
    const QSize device = area * ratio;
    if (!m_picturePath.isEmpty() && (m_scaled.isNull() || m_scaled.size() != device)) {
        // Covers the area keeping the proportions; JPEG decodes straight to the smaller size.
        const QSize cover = m_pictureSize.scaled(device, Qt::KeepAspectRatioByExpanding);
        QImageReader reader(m_picturePath);
        reader.setScaledSize(cover);
        const QImage image = reader.read();
        if (!image.isNull()) {
            const QRect crop((image.width() - device.width()) / 2,
                             (image.height() - device.height()) / 2, device.width(),
                             device.height());
            m_scaled = QPixmap::fromImage(image.copy(crop));
            m_scaled.setDevicePixelRatio(ratio);
        }
    }
    if (m_scaled.isNull()) {
        QMdiArea::paintEvent(event);
        return;
    }
    QPainter painter(viewport());
    painter.drawPixmap(
        event->rect(), m_scaled,
        QRectF(QPointF(event->rect().topLeft()) * ratio, QSizeF(event->rect().size()) * ratio));
}

} // namespace quillon::shell
