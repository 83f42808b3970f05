#include "controls/Form.h"

#include "controls/DateEdit.h"
#include "controls/EscapeUndo.h"
#include "controls/FocusSelect.h"
#include "controls/MessageService.h"
#include "controls/NumericEdit.h"
#include "controls/ResultField.h"
#include "controls/TextField.h"
#include "taxengine/NumberText.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

#include <algorithm>

namespace quillon {

Form::Form(QWidget *owner, FieldTable fields, MessageService &messages)
    : m_owner(owner), m_fields(std::move(fields)), m_messages(messages) {
    QWidget *previous = nullptr;
    for (const FieldRow &fieldRow : m_fields) {
        if (m_controls.contains(fieldRow.name))
            throw std::logic_error("two form fields are named " + fieldRow.name.toStdString());
        QWidget *control = build(fieldRow);
        control->setObjectName(fieldRow.name);
        // A captioned field is named by its caption (its buddy); the others by their row.
        if (!fieldRow.spokenName.isEmpty())
            control->setAccessibleName(fieldRow.spokenName);
        if (auto *edit = qobject_cast<NumericEdit *>(control))
            edit->setHelp(fieldRow.help);
        else if (!fieldRow.help.isEmpty()) {
            control->setToolTip(fieldRow.help);
            control->setAccessibleDescription(fieldRow.help);
        }
        m_controls.insert(fieldRow.name, control);
        addRow(fieldRow, control);
        // The Tab key visits the inputs in the order of the table.
        if (fieldRow.kind != FieldKind::Result) {
            if (previous)
                QWidget::setTabOrder(previous, control);
            previous = control;
        }
    }
}

QWidget *Form::build(const FieldRow &fieldRow) {
    const FieldBinding &b = fieldRow.binding;
    switch (fieldRow.kind) {
    case FieldKind::Number: {
        auto *edit = new NumericEdit(QString::fromUtf16(fieldRow.range.pattern),
                                     fieldRow.range.minimum, fieldRow.range.maximum, m_owner);
        edit->setDisplayWidth(fieldRow.width);
        if (b.setNumber)
            connect(edit, &NumericEdit::valueChanged, edit, b.setNumber);
        edit->setMessages(&m_messages, fieldRow.caption);
        connect(edit, &NumericEdit::rangeError, this, [this, fieldRow, edit] {
            if (!m_ownRange.value(fieldRow.name))
                tellRange(fieldRow, edit);
        });
        return edit;
    }
    case FieldKind::Date: {
        auto *edit = new DateEdit(m_owner);
        if (b.setDate)
            connect(edit, &DateEdit::dateChanged, edit, b.setDate);
        return edit;
    }
    case FieldKind::Text: {
        auto *edit = new TextField(static_cast<int>(fieldRow.range.maximum), m_owner);
        if (b.setText)
            connect(edit, &QLineEdit::textChanged, edit, b.setText);
        return edit;
    }
    case FieldKind::Result: {
        auto *field = new ResultField(QString::fromUtf16(fieldRow.range.pattern), m_owner);
        field->setDisplayWidth(fieldRow.width);
        return field;
    }
    }
    throw std::logic_error("unknown field kind");
}

void Form::addRow(const FieldRow &fieldRow, QWidget *control) {
    while (static_cast<int>(m_columns.size()) <= fieldRow.column) {
        auto *grid = new QGridLayout;
        grid->setColumnStretch(0, 1);
        grid->setHorizontalSpacing(6);
        m_columns.push_back(grid);
    }
    QGridLayout *grid = m_columns[static_cast<std::size_t>(fieldRow.column)];
    // A field is never squeezed below the width its figures need.
    control->setMinimumWidth(control->sizeHint().width());
    if (!fieldRow.across.isEmpty()) {
        // The last grid column: after the field, its suffix and what stands beside it.
        constexpr int acrossColumn = 6;
        int row = grid->rowCount();
        if (fieldRow.across != fieldRow.name) {
            if (fieldRow.column != columnOf(fieldRow.across))
                throw std::logic_error("a field placed across another column: " +
                                       fieldRow.name.toStdString());
            row = gridCell(fieldRow.across).first;
        } else if (!fieldRow.caption.isEmpty()) {
            auto *caption = new QLabel(fieldRow.caption, m_owner);
            caption->setBuddy(control);
            grid->addWidget(caption, row, 0);
        }
        grid->addWidget(control, row, acrossColumn, Qt::AlignRight);
        return;
    }
    if (fieldRow.besidePrevious) {
        const int row = std::max(0, grid->rowCount() - 1);
        grid->addWidget(control, row, 4, Qt::AlignLeft);
        if (!fieldRow.suffix.isEmpty()) {
            auto *suffix = new QLabel(fieldRow.suffix, m_owner);
            m_suffixes.insert(fieldRow.name, suffix);
            grid->addWidget(suffix, row, 5);
        }
        return;
    }
    if (!fieldRow.heading.isEmpty()) {
        auto *heading = new QLabel(fieldRow.heading, m_owner);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        grid->addWidget(heading, grid->rowCount(), 0, 1, 4);
    }
    if (!fieldRow.columnHeads.isEmpty()) {
        const int headRow = grid->rowCount();
        for (qsizetype i = 0; i < fieldRow.columnHeads.size() && i < 2; ++i)
            grid->addWidget(new QLabel(fieldRow.columnHeads[i], m_owner), headRow, i == 0 ? 2 : 4,
                            Qt::AlignCenter);
    }
    const int row = grid->rowCount();
    if (!fieldRow.suffix.isEmpty()) {
        auto *suffix = new QLabel(fieldRow.suffix, m_owner);
        m_suffixes.insert(fieldRow.name, suffix);
        grid->addWidget(suffix, row, 3);
    }
    if (!fieldRow.caption.isEmpty()) {
        auto *caption = new QLabel(fieldRow.caption, m_owner);
        caption->setBuddy(control);
        grid->addWidget(caption, row, 0);
    }
    if (fieldRow.rand)
        grid->addWidget(new QLabel(QStringLiteral("R"), m_owner), row, 1, Qt::AlignRight);
    grid->addWidget(control, row, 2, Qt::AlignRight);
}

void Form::placeAtRowEnd(const QString &name, QWidget *widget) {
    QWidget *field = this->widget(name);
    for (QGridLayout *grid : m_columns) {
        const int index = grid->indexOf(field);
        if (index < 0)
            continue;
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        // After the place of a field beside this one and of its unit.
        grid->addWidget(widget, row, 6, Qt::AlignLeft);
        return;
    }
}

int Form::columnOf(const QString &name) const {
    for (const FieldRow &fieldRow : m_fields)
        if (fieldRow.name == name)
            return fieldRow.column;
    throw UnknownFieldError(name);
}

std::pair<int, int> Form::gridCell(const QString &name) const {
    QWidget *control = widget(name);
    QGridLayout *grid = column(columnOf(name));
    int row = 0, gridColumn = 0, rows = 0, columns = 0;
    grid->getItemPosition(grid->indexOf(control), &row, &gridColumn, &rows, &columns);
    return {row, gridColumn};
}

QGridLayout *Form::column(int index) const {
    return m_columns.at(static_cast<std::size_t>(index));
}

QWidget *Form::widget(const QString &name) const {
    QWidget *control = m_controls.value(name);
    if (!control)
        throw UnknownFieldError(name);
    return control;
}

NumericEdit *Form::numeric(const QString &name) const {
    auto *edit = qobject_cast<NumericEdit *>(widget(name));
    if (!edit)
        throw UnknownFieldError(name + QStringLiteral(" (as a number field)"));
    return edit;
}

DateEdit *Form::dateEdit(const QString &name) const {
    auto *edit = qobject_cast<DateEdit *>(widget(name));
    if (!edit)
        throw UnknownFieldError(name + QStringLiteral(" (as a date field)"));
    return edit;
}

ResultField *Form::resultField(const QString &name) const {
    auto *field = qobject_cast<ResultField *>(widget(name));
    if (!field)
        throw UnknownFieldError(name + QStringLiteral(" (as a result field)"));
    return field;
}

void Form::showInputs() {
    for (const FieldRow &fieldRow : m_fields) {
        QWidget *control = m_controls.value(fieldRow.name);
        // Showing a value is not typing it: the bound figure keeps its full precision.
        const QSignalBlocker quiet(control);
        if (fieldRow.kind == FieldKind::Number && fieldRow.binding.number)
            static_cast<NumericEdit *>(control)->setValue(fieldRow.binding.number());
        else if (fieldRow.kind == FieldKind::Date && fieldRow.binding.date)
            static_cast<DateEdit *>(control)->setDate(fieldRow.binding.date());
    }
}

void Form::showResults() {
    for (const FieldRow &fieldRow : m_fields)
        if (fieldRow.kind == FieldKind::Result && fieldRow.binding.number)
            static_cast<ResultField *>(m_controls.value(fieldRow.name))
                ->setValue(fieldRow.binding.number());
}

void Form::focus(const QString &name) {
    focusLater(widget(name));
}

void Form::handleRangeItself(const QString &name) {
    widget(name); // the name must exist
    m_ownRange.insert(name, true);
}

void Form::undoOnEscape(const QStringList &names) {
    if (!m_escapeUndo)
        m_escapeUndo = new EscapeUndo(this);
    for (const QString &name : names) {
        auto *field = qobject_cast<QLineEdit *>(widget(name));
        if (!field)
            throw UnknownFieldError(name + QStringLiteral(" (as a typed field)"));
        m_escapeUndo->watch(field);
    }
}

QString Form::spokenName(const QString &name) const {
    const QString own = widget(name)->accessibleName();
    if (!own.isEmpty())
        return own;
    for (const FieldRow &fieldRow : m_fields) {
        if (fieldRow.name != name)
            continue;
        QString caption = fieldRow.caption;
        caption.remove(u'&');
        caption = caption.simplified();
        while (caption.endsWith(u':') || caption.endsWith(u' '))
            caption.chop(1);
        return caption;
    }
    return {};
}

QLabel *Form::suffix(const QString &name) const {
    widget(name); // the name must exist
    QLabel *label = m_suffixes.value(name);
    if (!label)
        throw UnknownFieldError(name + QStringLiteral(" (with a text beside it)"));
    return label;
}

void Form::tellRange(const FieldRow &fieldRow, NumericEdit *edit) {
    const double held = std::clamp(edit->value(), fieldRow.range.minimum, fieldRow.range.maximum);
    edit->setValue(held);
    const QString pattern = QString::fromUtf16(fieldRow.range.pattern);
    const QString caption = fieldRow.caption.trimmed();
    informAfterClick(m_messages, m_owner,
                     caption + QStringLiteral(" must be from ") +
                         formatPattern(fieldRow.range.minimum, pattern) + QStringLiteral(" to ") +
                         formatPattern(fieldRow.range.maximum, pattern) + u'.',
                     caption, MessageService::Icon::Warning);
    focus(fieldRow.name);
}

void Form::commitFocused(QWidget *window) {
    QWidget *focused = QApplication::focusWidget();
    if (!focused || !window->isAncestorOf(focused))
        return;
    if (auto *number = qobject_cast<NumericEdit *>(focused))
        number->commitQuietly();
    else if (auto *dateField = qobject_cast<DateEdit *>(focused))
        dateField->commit();
}

bool Form::takeTypedFigures(QWidget *scope) {
    QWidget *focused = QApplication::focusWidget();
    if (focused && scope->isAncestorOf(focused)) {
        if (auto *number = qobject_cast<NumericEdit *>(focused))
            number->commit();
        else if (auto *dateField = qobject_cast<DateEdit *>(focused))
            dateField->commit();
    }
    for (NumericEdit *number : scope->findChildren<NumericEdit *>()) {
        if (number->isVisibleTo(scope) && !number->canCommit()) {
            number->tellProblem();
            return false;
        }
    }
    return true;
}

} // namespace quillon
