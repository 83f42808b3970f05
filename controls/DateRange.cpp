#include "controls/DateRange.h"

#include "controls/DateEdit.h"
#include "controls/FocusSelect.h"
#include "controls/MessageService.h"

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
    connect(m_end, &DateEdit::dateRejected, this, [this] { refuse(m_end, m_messages.end); });
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
