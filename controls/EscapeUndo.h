#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QLineEdit;

namespace quillon {

// Escape in a watched field gives it back the text it had when it received the focus; the
// focus stays in it. A number or text field hands the restored value on as any edit does; a
// date field is committed again so that its date follows the text.
class EscapeUndo : public QObject {
    Q_OBJECT
public:
    explicit EscapeUndo(QObject *parent) : QObject(parent) {}

    void watch(QLineEdit *field);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QHash<QObject *, QString> m_entered;
};

} // namespace quillon
