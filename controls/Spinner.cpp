#include "controls/Spinner.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace quillon {

namespace {

QToolButton *arrowButton(Qt::ArrowType arrow, const QString &name, QWidget *parent) {
    auto *button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAccessibleName(name);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    return button;
}

} // namespace

Spinner::Spinner(QWidget *parent) : QWidget(parent) {
    m_up = arrowButton(Qt::UpArrow, QStringLiteral("Up"), this);
    m_down = arrowButton(Qt::DownArrow, QStringLiteral("Down"), this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    setFocusPolicy(Qt::TabFocus);
    connect(m_up, &QToolButton::clicked, this, &Spinner::steppedUp);
    connect(m_down, &QToolButton::clicked, this, &Spinner::steppedDown);
}

void Spinner::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Up)
        Q_EMIT steppedUp();
    else if (event->key() == Qt::Key_Down)
        Q_EMIT steppedDown();
    else
        QWidget::keyPressEvent(event);
}

} // namespace quillon
