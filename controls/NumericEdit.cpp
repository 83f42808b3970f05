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
#include <QStyle>
#include <QStyleOptionFrame>

namespace quillon {

namespace {

// Decimals and grouping mark a display pattern asks for.
NumericValidator::Rules rulesFor(const QString &pattern, double minimum) {
    NumericValidator::Rules rules;
    const qsizetype point = pattern.indexOf(u'.');
    rules.decimals = 0;
    if (point >= 0)
        for (QChar c : QStringView(pattern).mid(point + 1))
            if (c == u'0' || c == u'#')
                ++rules.decimals;
    bool seenPlaceholder = false;
    for (QChar c : QStringView(pattern).left(point < 0 ? pattern.size() : point)) {
        if (c == u'0' || c == u'#')
            seenPlaceholder = true;
        else if ((c == u' ' || c == u',') && seenPlaceholder)
            rules.group = c;
    }
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
    const QChar group = m_validator->rules().group;
    if (group == u',') {
        // The leading-number reading stops at a comma; a comma-grouped pattern shows them.
        QString plain = text();
        plain.remove(u',');
        return leadingNumber(plain);
    }
    return leadingNumber(text());
}

void NumericEdit::setValue(double value) {
    setText(formatPattern(value, m_pattern));
}

bool NumericEdit::commit() {
    if (m_committing)
        return true;
    m_committing = true;
    const double v = value();
    const QString shown = formatPattern(v, m_pattern);
    if (shown != text())
        setText(shown);
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
        pasteFiltered();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        commit();
    QLineEdit::keyPressEvent(event);
}

void NumericEdit::contextMenuEvent(QContextMenuEvent *event) {
    QMenu *menu = createStandardContextMenu();
    // Route the menu's paste through the same filter as Ctrl+V.
    for (QAction *action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste")) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, &NumericEdit::pasteFiltered);
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void NumericEdit::pasteFiltered() {
    if (isReadOnly())
        return;
    const QString pasted = QApplication::clipboard()->text();
    const QString current = text();
    const int from = hasSelectedText() ? selectionStart() : cursorPosition();
    const int to = hasSelectedText() ? from + static_cast<int>(selectedText().size()) : from;
    // What stands before the cursor is acceptable already, so the filter keeps all of it and
    // then as much of the paste and of the rest as still reads exactly.
    const QString head = m_validator->filter(QString(current.left(from) + pasted));
    const QString whole = m_validator->filter(QString(head + current.mid(to)));
    setText(whole);
    setCursorPosition(static_cast<int>(head.size()));
}

} // namespace quillon
