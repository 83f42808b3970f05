#include "controls/DateRange.h"

#include "controls/DateEdit.h"
#include "controls/FocusSelect.h"
#include "controls/MessageService.h"

#include <QEvent>

namespace quillon {

DateRange::DateRange(DateEdit *start, DateEdit *end, QDate first, QDate last, Messages messages,
                     MessageService &service, QWidget *window)
    : QObject(window), m_start(start), m_end(end), m_messages(std::move(messages)),
      m_service(service), m_window(window) {
    for (DateEdit *d : {m_start, m_end}) {
        d->setMinimumDate(first);
        d->setMaximumDate(last);
    }
    connect(m_start, &DateEdit::dateRejected, this, [this] { refuse(m_start, m_messages.start); });
    connect(m_end, &DateEdit::dateRejected, this, [this] {
        m_endPending = true;
        refuse(m_end, m_messages.end);
    });
    // The filter sees the end field lose the focus before the field commits, so a refusal on
    // that same focus change marks anew.
    m_end->installEventFilter(this);
}

bool DateRange::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_end && event->type() == QEvent::FocusOut)
        m_endPending = false;
    return false;
}

void DateRange::narrowOnFocus() {
    connect(m_start, &DateEdit::focusEntered, this,
            [this] { m_start->setMaximumDate(m_end->date()); });
    connect(m_end, &DateEdit::focusEntered, this,
            [this] { m_end->setMinimumDate(m_start->date()); });
}

void DateRange::refuse(DateEdit *field, const std::function<QString()> &text) {
    m_service.inform(m_window, text(), m_messages.title, MessageService::Icon::Critical);
    focusLater(field);
}

} // namespace quillon
