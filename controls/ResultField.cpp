#include "controls/ResultField.h"

#include "taxengine/NumberText.h"

#include <QPalette>

#include <algorithm>

namespace quillon {

namespace {

// A figure reads as the printouts show it: thousands grouped with a blank ("11 139.50").
QString groupedPattern(const QString &pattern) {
    if (pattern.contains(u' ') || pattern.contains(u','))
        return pattern;
    return QStringLiteral("# ##") + pattern;
}

} // namespace

ResultField::ResultField(const QString &pattern, QWidget *parent)
    : QLineEdit(parent), m_pattern(pattern) {
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, QColor(0xe8, 0xe8, 0xe8));
    pal.setColor(QPalette::Text, QColor(0x10, 0x10, 0x10));
    setPalette(pal);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    setValue(0);
}

void ResultField::setPattern(const QString &pattern) {
    m_pattern = pattern;
    setValue(m_value);
}

void ResultField::setValue(double value) {
    m_value = value;
    setText(formatPattern(value, groupedPattern(m_pattern)));
    // A figure wider than the field widens it: a cut figure would show another number.
    if (minimumWidth() < sizeHint().width()) {
        setMinimumWidth(sizeHint().width());
        updateGeometry();
    }
}

void ResultField::setDisplayWidth(int characters) {
    m_displayWidth = characters;
    updateGeometry();
}

QSize ResultField::sizeHint() const {
    const QSize base = QLineEdit::sizeHint();
    const int characters = std::max<int>(m_displayWidth, static_cast<int>(text().size()) + 1);
    return {fontMetrics().horizontalAdvance(u'0') * characters + 16, base.height()};
}

} // namespace quillon
