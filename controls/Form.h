#pragma once

#include "controls/FieldTable.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

#include <stdexcept>
#include <utility>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace quillon {

class MessageService;
class NumericEdit;
class DateEdit;
class EscapeUndo;
class ResultField;

// A name that no control of the form carries: a fault in the window's code, raised in every
// build so that a test opening the window finds it.
class UnknownFieldError : public std::logic_error {
public:
    explicit UnknownFieldError(const QString &name)
        : std::logic_error("no form field is named " + name.toStdString()) {}
};

// Builds a window's controls from its field table: one captioned grid per column (caption,
// an "R" before money, the field), buddies for the captions, the Tab order in table order.
// It binds every input to its struct member, shows the bound values and the results, and can
// move the focus to a field. A value outside a field's limits is told and the field is held
// to the nearest limit, unless the window handles that field itself. The window owns it.
class Form : public QObject {
    Q_OBJECT
public:
    Form(QWidget *owner, FieldTable fields, MessageService &messages);

    // The captioned grid of one column, for the window to place.
    QGridLayout *column(int index) const;
    int columnCount() const { return static_cast<int>(m_columns.size()); }

    // The control of a field; UnknownFieldError for a name the table does not hold.
    QWidget *widget(const QString &name) const;
    NumericEdit *numeric(const QString &name) const;
    DateEdit *dateEdit(const QString &name) const;
    ResultField *resultField(const QString &name) const;
    // Puts a widget of the window's own (a spinner, a marker) at the end of the field's row.
    void placeAtRowEnd(const QString &name, QWidget *widget);

    // Every input shows its bound value, every result its figure.
    void showInputs();
    void showResults();

    // The focus to a field, its text selected, once the event that refused it is over.
    void focus(const QString &name);

    // The window answers range errors of this field itself.
    void handleRangeItself(const QString &name);

    // Escape in these fields gives back the value they had when they received the focus.
    void undoOnEscape(const QStringList &names);

    // What a screen reader calls a field: its own spoken name, or its caption as read aloud.
    QString spokenName(const QString &name) const;

    // Where a field's control stands in the grid of its column: its row, then its grid column.
    std::pair<int, int> gridCell(const QString &name) const;

    // The text beside a field (its unit or remark); UnknownFieldError when it has none.
    QLabel *suffix(const QString &name) const;

    // Commits the field being typed into (an accelerator leaves the focus in it); a text the
    // field cannot take stays there untold, for the user's next command or move.
    static void commitFocused(QWidget *window);
    // Before a command that calculates, saves or prints: the field being typed into is
    // committed, and false (after the field's message, with the focus back in it) when a field
    // of `scope` holds a text it cannot take.
    static bool takeTypedFigures(QWidget *scope);

    const FieldTable &fields() const { return m_fields; }

private:
    QWidget *build(const FieldRow &fieldRow);
    void addRow(const FieldRow &fieldRow, QWidget *control);
    void tellRange(const FieldRow &fieldRow, NumericEdit *edit);
    int columnOf(const QString &name) const;

    QWidget *m_owner;
    FieldTable m_fields;
    MessageService &m_messages;
    std::vector<QGridLayout *> m_columns;
    QHash<QString, QWidget *> m_controls;
    QHash<QString, bool> m_ownRange;
    QHash<QString, QLabel *> m_suffixes;
    EscapeUndo *m_escapeUndo = nullptr;
};

} // namespace quillon
