#include "controls/EscapeUndo.h"

#include "controls/DateEdit.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace quillon {

void EscapeUndo::watch(QLineEdit *field) {
    field->installEventFilter(this);
    m_entered.insert(field, field->text());
}

bool EscapeUndo::eventFilter(QObject *watched, QEvent *event) {
    auto *field = qobject_cast<QLineEdit *>(watched);
    if (!field)
        return false;
    if (event->type() == QEvent::FocusIn) {
        m_entered.insert(field, field->text());
    } else if (event->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        field->setText(m_entered.value(field));
        if (auto *date = qobject_cast<DateEdit *>(field))
            date->commit();
        field->selectAll();
        return true;
    }
    return false;
}

} // namespace quillon
