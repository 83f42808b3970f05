#pragma once

#include <QWidget>

namespace quillon::shell {

// "Warning - Quillon Needs Updating ! ! !": raised at start-up when the published program
// number is newer. It opens showing its upper part; F6 or a typed "u" grows it to reveal the
// download instructions below.
class frmWebExpiry : public QWidget {
    Q_OBJECT
public:
    frmWebExpiry(double webNumber, double programNo, QWidget *parent = nullptr);

    QSize sizeHint() const override;

    // The window's full height, in twips, once the lower part is revealed.
    static constexpr int kFullHeightTwips = 5500;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool revealOnKey(QKeyEvent *event);
    void revealLowerPart();
};

// A number as the update notice shows it: plain decimal, no exponent, no trailing zeros.
QString plainDecimal(double value);

} // namespace quillon::shell
