#include "shell/frmWebExpiry.h"

#include "controls/Twips.h"
#include "forms/HostWindow.h"
#include "shell/NoticeKeys.h"
#include "shell/Version.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quillon::shell {

namespace {

// Positions of the controls in twips: left, top, width, height.
struct TwipRect {
    int left, top, width, height;
};

constexpr int kWidthTwips = 7200;
constexpr int kUpperHeightTwips = 3150;

} // namespace

QString plainDecimal(double value) {
    QString text = QString::number(value, 'f', 10);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

frmWebExpiry::frmWebExpiry(double webNumber, double programNo, QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmWebExpiry"));
    setWindowTitle(QStringLiteral("Warning - Quillon Needs Updating ! ! !"));
    setFocusPolicy(Qt::StrongFocus);

    const auto place = [this](QWidget *w, const QString &name, TwipRect r) {
        w->setObjectName(name);
        w->setGeometry(twipsToPixels(r.left, this), twipsToPixels(r.top, this),
                       twipsToPixels(r.width, this), twipsToPixels(r.height, this));
        w->installEventFilter(this);
    };
    const auto text = [this, &place](const QString &name, const QString &caption, TwipRect r,
                                     Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
        auto *l = new QLabel(caption, this);
        l->setWordWrap(true);
        l->setAlignment(align);
        place(l, name, r);
        return l;
    };

    QLabel *warning = text(QStringLiteral("Label3"), QStringLiteral("! ! ! Warning ! ! !"),
                           {120, 100, 6960, 420}, Qt::AlignCenter);
    QFont big = warning->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    warning->setFont(big);
    warning->setStyleSheet(QStringLiteral("color: #b00000;"));
    QLabel *outOfDate =
        text(QStringLiteral("Label4"), QStringLiteral("Your Quillon program is out-of-date!"),
             {120, 540, 6960, 330}, Qt::AlignCenter);
    QFont bold = outOfDate->font();
    bold.setBold(true);
    outOfDate->setFont(bold);
    text(QStringLiteral("Label1"),
         QStringLiteral("An update has been issued for your Quillon program!  You need to download "
                        "and run the update as soon as possible to cater for the latest changes, "
                        "additional features, reports etc."),
         {240, 930, 6720, 780});
    text(QStringLiteral("Label2"),
         QStringLiteral("Exit this Quillon program, go to the Software downloads     page on our "
                        "web site"),
         {240, 1740, 6720, 480});
    text(QStringLiteral("Label7_0"), QStringLiteral("Web Number:"), {240, 2300, 1800, 300});
    text(QStringLiteral("Label7_1"), plainDecimal(webNumber), {2100, 2300, 1500, 300});
    text(QStringLiteral("Label7_2"), QStringLiteral("Program Number:"), {240, 2620, 1800, 300});
    text(QStringLiteral("Label7_3"), plainDecimal(programNo), {2100, 2620, 1500, 300});

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    place(ok, QStringLiteral("cmdOK"), {5640, 2330, 1320, 480});
    connect(ok, &QPushButton::clicked, this, [this] { closeHostWindow(this); });
    answerKeysWithOk(this, ok);

    // The lower part, shown once the window grows.
    text(QStringLiteral("Label5_0"),
         QStringLiteral("Download and run the update for an existing copy of Quillon from the  "
                        "Software downloads   page. The Unzip button will extract all the "
                        "latest-version files.  Note that the new update contains everything "
                        "that was included in previous updates."),
         {240, 3250, 6720, 1020}, Qt::AlignLeft | Qt::AlignTop);
    text(QStringLiteral("Label5_1"),
         QStringLiteral("For any queries telephone ") + makerName() + QStringLiteral(" on ") +
             makerTelephone() + QStringLiteral("."),
         {240, 4300, 6720, 300});
    auto *address = new QLineEdit(makerWebAddress(), this);
    address->setReadOnly(true);
    place(address, QStringLiteral("Text1"), {240, 4650, 6720, 330});
}

QSize frmWebExpiry::sizeHint() const {
    return {twipsToPixels(kWidthTwips, this), twipsToPixels(kUpperHeightTwips, this)};
}

void frmWebExpiry::revealLowerPart() {
    QWidget *host = hostWindow(this);
    host->resize(host->width(), twipsToPixels(kFullHeightTwips, this));
}

bool frmWebExpiry::revealOnKey(QKeyEvent *event) {
    if (event->key() == Qt::Key_F6 || event->text() == QLatin1String("u")) {
        revealLowerPart();
        return true;
    }
    return false;
}

void frmWebExpiry::keyPressEvent(QKeyEvent *event) {
    if (!revealOnKey(event))
        QWidget::keyPressEvent(event);
}

// The key works wherever the focus is inside the window.
bool frmWebExpiry::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress && revealOnKey(static_cast<QKeyEvent *>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

} // namespace quillon::shell
