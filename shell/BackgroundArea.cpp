#include "shell/BackgroundArea.h"

#include <QImageReader>
#include <QPaintEvent>
#include <QPainter>
#include <QThread>
#include <QTimer>

#include <memory>

namespace quillon::shell {

namespace {

// Covers the area keeping the proportions; JPEG decodes straight to the smaller size.
QImage decodeCovering(const QString &path, QSize pictureSize, QSize device) {
    QImageReader reader(path);
    reader.setScaledSize(pictureSize.scaled(device, Qt::KeepAspectRatioByExpanding));
    const QImage image = reader.read();
    if (image.isNull())
        return {};
    return image
        .copy((image.width() - device.width()) / 2, (image.height() - device.height()) / 2,
              device.width(), device.height())
        .convertToFormat(QImage::Format_RGB888);
}

} // namespace

BackgroundArea::BackgroundArea(QWidget *parent) : QMdiArea(parent) {
    setObjectName(QStringLiteral("MDIClient"));
    setBackground(QColor(0x2f, 0x4f, 0x6f));
}

BackgroundArea::~BackgroundArea() {
    if (m_decoder) {
        m_decoder->wait();
        delete m_decoder;
    }
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

bool BackgroundArea::pictureShown() const {
    return !m_scaled.isNull() && m_scaled.size() == deviceSize();
}

QSize BackgroundArea::deviceSize() const {
    return viewport()->size() * viewport()->devicePixelRatioF();
}

void BackgroundArea::decodeFor(QSize device) {
    if (m_decoder || device.isEmpty())
        return; // the finished decode asks again if the size has changed meanwhile
    auto decoded = std::make_shared<QImage>();
    m_decoder = QThread::create([path = m_picturePath, size = m_pictureSize, device, decoded] {
        *decoded = decodeCovering(path, size, device);
    });
    connect(m_decoder, &QThread::finished, this, [this, decoded, device] {
        m_decoder->deleteLater();
        m_decoder = nullptr;
        takeDecoded(*decoded, device);
    });
    // Started once the event loop runs, so the window opens and takes input first.
    QTimer::singleShot(0, m_decoder,
                       [decoder = m_decoder] { decoder->start(QThread::LowPriority); });
}

void BackgroundArea::takeDecoded(QImage image, QSize device) {
    if (image.isNull()) {
        // Unreadable after all: keep the plain background rather than trying again.
        m_picturePath.clear();
        m_scaled = {};
        viewport()->update();
        return;
    }
    m_scaled = std::move(image);
    m_scaled.setDevicePixelRatio(viewport()->devicePixelRatioF());
    if (device != deviceSize())
        decodeFor(deviceSize());
    viewport()->update();
}

void BackgroundArea::paintEvent(QPaintEvent *event) {
    if (m_picturePath.isEmpty()) {
        QMdiArea::paintEvent(event);
        return;
    }
    if (!pictureShown())
        decodeFor(deviceSize());
    if (m_scaled.isNull()) {
        QMdiArea::paintEvent(event);
        return;
    }
    // A picture decoded for another size stretches over the area until its own arrives.
    QPainter painter(viewport());
    const QSizeF scale(qreal(m_scaled.width()) / viewport()->width(),
                       qreal(m_scaled.height()) / viewport()->height());
    const QRectF target = event->rect();
    painter.drawImage(target, m_scaled,
                      QRectF(target.x() * scale.width(), target.y() * scale.height(),
                             target.width() * scale.width(), target.height() * scale.height()));
}

} // namespace quillon::shell
