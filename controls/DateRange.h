#pragma once

#include <QDate>
#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace quillon {

class DateEdit;
class MessageService;

// The start and end dates of a period: both within the allowed range; where the window asks
// for it, the start may not pass the end nor the end come before the start (the range narrows
// when a field gets the focus). A refused date is told with the window's own message, and the
// focus goes back to its field.
class DateRange : public QObject {
    Q_OBJECT
public:
    struct Messages {
        std::function<QString()> start; // built when told: it may quote the other field
        std::function<QString()> end;
        QString title;
    };

    DateRange(DateEdit *start, DateEdit *end, QDate first, QDate last, Messages messages,
              MessageService &service, QWidget *window);

    // The start's latest date follows the end, the end's earliest the start.
    void narrowOnFocus();

    // An end date was refused and the user has not left the end field since: a window that
    // must not close on a wrong period asks this.
    bool endRefusalPending() const { return m_endPending; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refuse(DateEdit *field, const std::function<QString()> &text);

    DateEdit *m_start;
    DateEdit *m_end;
    Messages m_messages;
    MessageService &m_service;
    QWidget *m_window;
    bool m_endPending = false;
};

} // namespace quillon
