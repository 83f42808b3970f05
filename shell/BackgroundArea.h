#pragma once

#include <QImage>
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
    bool hasPicture() const { return !m_picture.isNull(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QImage m_picture;
    QPixmap m_scaled;
};

} // namespace quillon::shell
