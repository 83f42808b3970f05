#pragma once

#include <QDate>
#include <QLineEdit>

namespace quillon {

// A date field typed and shown as dd/mm/yyyy, with an allowed range the window may move (a
// start date may not pass the end date). The date is taken when the field is committed (focus
// leaves it or Enter is pressed): an unreadable or out-of-range date is refused, the field goes
// back to its last good date, and dateRejected tells the window, which says why and returns the
// focus. An empty field is a null date where the window allows it.
class DateEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DateEdit(QWidget *parent = nullptr);

    QDate date() const { return m_date; }
    // Shows the date (empty for a null date) without range checks.
    void setDate(const QDate &date);

    void setMinimumDate(const QDate &date) { m_minimum = date; }
    void setMaximumDate(const QDate &date) { m_maximum = date; }
    QDate minimumDate() const { return m_minimum; }
    QDate maximumDate() const { return m_maximum; }

    void setEmptyAllowed(bool allowed) { m_emptyAllowed = allowed; }
    bool emptyAllowed() const { return m_emptyAllowed; }

    // Reads the text; false (after dateRejected) when it was refused.
    bool commit();

    // dd/mm/yyyy, also d/m/yyyy; a null date when unreadable.
    static QDate parse(const QString &text);

    QSize sizeHint() const override;

Q_SIGNALS:
    void dateChanged(const QDate &date);
    void dateRejected(const QString &typed);
    // The window narrows the range here.
    void focusEntered();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QDate m_date;
    QDate m_minimum;
    QDate m_maximum;
    bool m_emptyAllowed = false;
    bool m_committing = false;
};

} // namespace quillon
