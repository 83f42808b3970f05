#pragma once

#include <QFocusEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace quillon {

// Input fields select their whole text when they get the focus, so typing replaces the value.
// A mouse click would undo the selection it lands on, so the selection is made again once the
// click has been handled.
inline void selectAllOnFocus(QLineEdit *edit, const QFocusEvent *event) {
    if (edit->isReadOnly())
        return;
    edit->selectAll();
    if (event->reason() == Qt::MouseFocusReason) {
        QPointer<QLineEdit> guard(edit);
        QTimer::singleShot(0, edit, [guard] {
            if (guard && guard->hasFocus())
                guard->selectAll();
        });
    }
}

// Whether losing the focus for this reason means the user left the field. A message box or
// another window coming to the front does not: checking then would raise the message again.
inline bool isCommitReason(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

// Gives a field the focus, its text selected, once the event that refused it (a message box,
// a focus change) is over.
inline void focusLater(QWidget *field) {
    QPointer<QWidget> guard(field);
    QTimer::singleShot(0, field, [guard] {
        if (!guard)
            return;
        guard->setFocus(Qt::OtherFocusReason);
        if (auto *edit = qobject_cast<QLineEdit *>(guard.data()))
            edit->selectAll();
    });
}

} // namespace quillon
