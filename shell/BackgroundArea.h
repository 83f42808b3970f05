#pragma once

#include <QImage>
#include <QMdiArea>

class QThread;

namespace quillon::shell {

// The main window's client area: the child windows lie on the background picture, which is
// scaled to cover the whole area (keeping its proportions, cropped evenly at the edges).
class BackgroundArea : public QMdiArea {
    Q_OBJECT
public:
    explicit BackgroundArea(QWidget *parent = nullptr);
    ~BackgroundArea() override;

    // False when the picture cannot be read; the area then keeps a plain background.
    bool loadPicture(const QString &path);
    bool hasPicture() const { return !m_picturePath.isEmpty(); }
    // True once the picture has been decoded for the area's present size.
    bool pictureShown() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSize deviceSize() const;
    void decodeFor(QSize device);
    void takeDecoded(QImage image, QSize device);

    // Only the header is read at start-up. The picture is decoded at the size it is shown on
    // a worker thread, so the window takes input at once and the picture follows a moment
    // later; meanwhile the last decoded picture (or the plain colour) is painted.
    // Kept at three bytes a pixel, as the JPEG decodes: the picture covers the whole client
    // area, so a native 32-bit copy would hold a third more memory for the program's life.
    QString m_picturePath;
    QSize m_pictureSize;
    QImage m_scaled;
    QThread *m_decoder = nullptr;
};

} // namespace quillon::shell
