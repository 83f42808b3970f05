#include "controls/DateEdit.h"

#include "controls/FocusSelect.h"

#include <QKeyEvent>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace quillon {

namespace {
const QString kFormat = QStringLiteral("dd/MM/yyyy");
}

DateEdit::DateEdit(QWidget *parent) : QLineEdit(parent) {
    // Digits and up to two slashes while typing; the date itself is checked on commit.
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d{0,2}(/\\d{0,2}(/\\d{0,4})?)?")), this));
    setMaxLength(10);
}

QDate DateEdit::parse(const QString &text) {
    const QString trimmed = text.trimmed();
    QDate d = QDate::fromString(trimmed, kFormat);
    if (!d.isValid())
        d = QDate::fromString(trimmed, QStringLiteral("d/M/yyyy"));
    return d;
}

void DateEdit::setDate(const QDate &date) {
    m_date = date.isValid() ? date : QDate();
    setText(m_date.isValid() ? m_date.toString(kFormat) : QString());
}

bool DateEdit::commit() {
    if (m_committing)
        return true;
    m_committing = true;
    const QString typed = text();
    bool accepted = false;
    QDate next;
    if (typed.trimmed().isEmpty()) {
        accepted = m_emptyAllowed;
    } else {
        next = parse(typed);
        accepted = next.isValid() && (!m_minimum.isValid() || next >= m_minimum) &&
                   (!m_maximum.isValid() || next <= m_maximum);
    }
    if (accepted) {
        const bool changed = next != m_date;
        setDate(next);
        if (changed)
            Q_EMIT dateChanged(m_date);
    } else {
        // Back to the last good date, so the field never holds what the window refused.
        setDate(m_date);
        Q_EMIT dateRejected(typed);
    }
    m_committing = false;
    return accepted;
}

QSize DateEdit::sizeHint() const {
    const QSize base = QLineEdit::sizeHint();
    const int wanted = fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 16;
    return {wanted, base.height()};
}

void DateEdit::focusInEvent(QFocusEvent *event) {
    QLineEdit::focusInEvent(event);
    Q_EMIT focusEntered();
    selectAllOnFocus(this, event);
}

void DateEdit::focusOutEvent(QFocusEvent *event) {
    QLineEdit::focusOutEvent(event);
    if (isCommitReason(event->reason()))
        commit();
}

void DateEdit::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        commit();
    const bool atEnd = !hasSelectedText() && cursorPosition() == text().size();
    // A slash the field has put in already is not typed twice.
    if (event->text() == u"/" && atEnd && text().endsWith(u'/'))
        return;
    QLineEdit::keyPressEvent(event);
    // Like a masked date field, the slashes come by themselves after the day and the month.
    const bool digit = event->text().size() == 1 && event->text().front().isDigit();
    const QString t = text();
    const bool dayDone = t.size() == 2 && !t.contains(u'/');
    const bool monthDone = t.size() == 5 && t.count(u'/') == 1 && t[2] == u'/';
    if (digit && atEnd && (dayDone || monthDone))
        insert(QStringLiteral("/"));
}

} // namespace quillon
