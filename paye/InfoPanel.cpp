#include "paye/InfoPanel.h"

#include "controls/Overlay.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace quillon::paye {

InfoPanel::InfoPanel(const QString &title, const QString &text, const Names &names, QWidget *parent)
    : QGroupBox(title, parent) {
    setObjectName(names.panel);
    makeOverlay(this);
    m_text = new QLabel(text, this);
    m_text->setObjectName(names.label);
    m_text->setWordWrap(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // About 70 characters a line reads comfortably at any screen density.
    m_text->setFixedWidth(m_text->fontMetrics().averageCharWidth() * 70);
    m_ok = new QPushButton(QStringLiteral("&OK"), this);
    m_ok->setObjectName(names.button);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(m_ok, 0, Qt::AlignRight);
    connect(m_ok, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

void InfoPanel::open() {
    adjustSize();
    if (QWidget *host = parentWidget())
        move(std::max(0, (host->width() - width()) / 2),
             std::max(0, (host->height() - height()) / 3));
    raise();
    show();
    m_ok->setFocus(Qt::OtherFocusReason);
}

} // namespace quillon::paye
