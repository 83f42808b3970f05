#include "controls/NumericEdit.h"

#include "controls/FocusSelect.h"
#include "controls/NumericValidator.h"
#include "taxengine/NumberText.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaMethod>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>

#include <algorithm>

namespace quillon {

namespace {

// Decimals a display pattern shows, and whether the field takes negative values.
NumberRules rulesFor(const QString &pattern, double minimum) {
    NumberRules rules;
    const qsizetype point = pattern.indexOf(u'.');
    rules.decimals = 0;
    if (point >= 0)
        for (QChar c : QStringView(pattern).mid(point + 1))
            if (c == u'0' || c == u'#')
                ++rules.decimals;
    rules.allowMinus = minimum < 0;
    return rules;
}

} // namespace

NumericEdit::NumericEdit(QWidget *parent)
    : NumericEdit(QStringLiteral("0.00"), 0, 999999999999.0, parent) {}

NumericEdit::NumericEdit(const QString &pattern, double minimum, double maximum, QWidget *parent)
    : QLineEdit(parent), m_pattern(pattern), m_minimum(minimum), m_maximum(maximum) {
    m_validator = new NumericValidator(rulesFor(m_pattern, m_minimum), this);
    setValidator(m_validator);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::textChanged, this, [this] { Q_EMIT valueChanged(value()); });
    setValue(0);
}

void NumericEdit::setPattern(const QString &pattern) {
    const double current = value();
    m_pattern = pattern;
    updateRules();
    setValue(current);
}

void NumericEdit::setRange(double minimum, double maximum) {
    m_minimum = minimum;
    m_maximum = maximum;
    updateRules();
}

void NumericEdit::updateRules() {
    m_validator->setRules(rulesFor(m_pattern, m_minimum));
}

double NumericEdit::value() const {
    const NumberReading reading = m_validator->read(text());
    // Text set from code always reads; a refusal never reaches the field.
    return reading.refused() ? 0 : reading.value;
}

void NumericEdit::setValue(double value) {
    m_committedText = formatPattern(value, m_pattern);
    setText(m_committedText);
}

bool NumericEdit::commit() {
    if (m_committing)
        return true;
    m_committing = true;
    if (m_validator->read(text()).incompleteGroup) {
        // "1,234,5" has no one meaning: the field goes back to what it held.
        refuse(kGroupsInThrees);
        setText(m_committedText);
    }
    const double v = value();
    const QString shown = formatPattern(v, m_pattern);
    if (shown != text())
        setText(shown);
    m_committedText = shown;
    const bool inRange = v >= m_minimum && v <= m_maximum;
    if (!inRange)
        Q_EMIT rangeError(v);
    m_committing = false;
    return inRange;
}

void NumericEdit::setDisplayWidth(int characters) {
    m_displayWidth = characters;
    updateGeometry();
}

QSize NumericEdit::sizeHint() const {
    const QSize base = QLineEdit::sizeHint();
    QStyleOptionFrame option;
    initStyleOption(&option);
    const int textWidth = fontMetrics().horizontalAdvance(u'0') * m_displayWidth + 8;
    const QSize wanted = style()->sizeFromContents(QStyle::CT_LineEdit, &option,
                                                   QSize(textWidth, base.height()), this);
    return {wanted.width(), base.height()};
}

QSize NumericEdit::minimumSizeHint() const {
    return {sizeHint().width(), QLineEdit::minimumSizeHint().height()};
}

void NumericEdit::focusInEvent(QFocusEvent *event) {
    QLineEdit::focusInEvent(event);
    selectAllOnFocus(this, event);
}

void NumericEdit::focusOutEvent(QFocusEvent *event) {
    QLineEdit::focusOutEvent(event);
    // Another window or a popup taking the focus is not the user leaving the field.
    if (isCommitReason(event->reason()))
        commit();
}

void NumericEdit::keyPressEvent(QKeyEvent *event) {
    if (event->matches(QKeySequence::Paste)) {
        pasteChecked();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        commit();
    const QString typed = event->text();
    if (!isReadOnly() && !typed.isEmpty() && typed.front().isPrint()) {
        const NumberReading reading = m_validator->read(withInserted(typed));
        if (reading.refused()) {
            refuse(reading.reason);
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void NumericEdit::contextMenuEvent(QContextMenuEvent *event) {
    QMenu *menu = createStandardContextMenu();
    // Route the menu's paste through the same check as Ctrl+V.
    for (QAction *action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste")) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, &NumericEdit::pasteChecked);
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

QString NumericEdit::withInserted(const QString &inserted) const {
    const int from = hasSelectedText() ? selectionStart() : cursorPosition();
    const int to = hasSelectedText() ? from + static_cast<int>(selectedText().size()) : from;
    return text().left(from) + inserted + text().mid(to);
}

// A paste is taken whole or not at all: dropping the characters the field refuses would
// change the number's magnitude.
void NumericEdit::pasteChecked() {
    if (isReadOnly())
        return;
    QString pasted = QApplication::clipboard()->text().trimmed();
    const QString candidate = withInserted(pasted);
    const NumberReading reading = m_validator->read(candidate);
    if (reading.refused()) {
        refuse(reading.reason);
        return;
    }
    const int cursor = static_cast<int>(candidate.size() - (text().size() - cursorPosition()));
    setText(candidate);
    setCursorPosition(std::clamp(cursor, 0, static_cast<int>(candidate.size())));
}

void NumericEdit::refuse(const QString &reason) {
    m_lastRefusal = reason;
    if (isSignalConnected(QMetaMethod::fromSignal(&NumericEdit::refused)))
        Q_EMIT refused(reason);
    else
        QApplication::beep();
    // The reason stands just under the field until the user moves on.
    QToolTip::showText(mapToGlobal(QPoint(0, height())), reason, this, {}, 4000);
}

} // namespace quillon
