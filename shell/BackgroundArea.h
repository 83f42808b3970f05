#pragma once

#include <QMdiArea>
#include <QPixmap>

namespace quillon::shell {

// The main window's client area: the child windows lie on the background picture, which is
// scaled to cover the whole area (keeping its proportions, cropped evenly at the edges).
class BackgroundArea : public QMdiArea {
    Q_OBJECT
public:
    explicit BackgroundArea(QWidget *parent = nullptr);

    // False when the picture cannot be read; the area then keeps a plain background.
    bool loadPicture(const QString &path);
    bool hasPicture() const { return !m_picturePath.isEmpty(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Only the header is read at start-up; the picture is decoded at the size it is shown.
    QString m_picturePath;
    QSize m_pictureSize;
    QPixmap m_scaled;
};

} // namespace quillon::shell
