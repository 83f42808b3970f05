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
    QImage image = reader.read();
    if (image.isNull())
        return false;
    m_picture = std::move(image);
    m_scaled = {};
    viewport()->update();
    return true;
}

void BackgroundArea::resizeEvent(QResizeEvent *event) {
    m_scaled = {};
    QMdiArea::resizeEvent(event);
}

void BackgroundArea::paintEvent(QPaintEvent *event) {
    if (m_picture.isNull()) {
        QMdiArea::paintEvent(event);
        return;
    }
    const QSize area = viewport()->size();
    const qreal ratio = devicePixelRatioF();
    if (m_scaled.isNull() || m_scaled.size() != area * ratio) {
        const QImage cover = m_picture.scaled(area * ratio, Qt::KeepAspectRatioByExpanding,
                                              Qt::SmoothTransformation);
        const QRect crop((cover.width() - area.width() * ratio) / 2,
                         (cover.height() - area.height() * ratio) / 2, area.width() * ratio,
                         area.height() * ratio);
        m_scaled = QPixmap::fromImage(cover.copy(crop));
        m_scaled.setDevicePixelRatio(ratio);
    }
    QPainter painter(viewport());
    painter.drawPixmap(
        event->rect(), m_scaled,
        QRectF(QPointF(event->rect().topLeft()) * ratio, QSizeF(event->rect().size()) * ratio));
}

} // namespace quillon::shell
