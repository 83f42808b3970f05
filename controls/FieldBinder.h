#pragma once

#include "controls/DateEdit.h"
#include "controls/NumericEdit.h"
#include "taxengine/TaxRules.h"

#include <QDate>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <type_traits>

namespace quillon {

// Ties input controls, found by objectName under a form, to the fields of the form's inputs
// struct: every change of a control is copied into its field at once, so a window needs no
// slot per field. Names that match no control are collected in missing() for the tests.
class FieldBinder {
public:
    explicit FieldBinder(QWidget *form) : m_form(form) {}

    // A numeric control calling `setter` with each new value.
    NumericEdit *bindNumber(const QString &name, std::function<void(double)> setter) {
        auto *edit = find<NumericEdit>(name);
        if (edit)
            QObject::connect(edit, &NumericEdit::valueChanged, edit, std::move(setter));
        return edit;
    }

    // A numeric control into a double or a 16-bit count (halves to even) of a struct.
    template <class Struct, class Field>
    NumericEdit *bind(const QString &name, Struct &inputs, Field Struct::*member) {
        static_assert(std::is_same_v<Field, double> || std::is_same_v<Field, std::int16_t>,
                      "numeric fields are doubles or 16-bit counts");
        Struct *target = &inputs;
        return bindNumber(name, [target, member](double v) {
            if constexpr (std::is_same_v<Field, std::int16_t>)
                target->*member = tax::toInt16(v);
            else
                target->*member = v;
        });
    }

    // A date control into a QDate of a struct; only accepted dates reach it.
    template <class Struct>
    DateEdit *bind(const QString &name, Struct &inputs, QDate Struct::*member) {
        Struct *target = &inputs;
        return bindDate(name, [target, member](const QDate &d) { target->*member = d; });
    }

    DateEdit *bindDate(const QString &name, std::function<void(const QDate &)> setter) {
        auto *edit = find<DateEdit>(name);
        if (edit)
            QObject::connect(edit, &DateEdit::dateChanged, edit, std::move(setter));
        return edit;
    }

    // A text control into a QString (the employee name and the like).
    QLineEdit *bindText(const QString &name, std::function<void(const QString &)> setter) {
        auto *edit = find<QLineEdit>(name);
        if (edit)
            QObject::connect(edit, &QLineEdit::textChanged, edit, std::move(setter));
        return edit;
    }

    const QStringList &missing() const { return m_missing; }

private:
    template <class Control> Control *find(const QString &name) {
        auto *control = m_form->findChild<Control *>(name);
        if (!control)
            m_missing << name;
        return control;
    }

    QWidget *m_form;
    QStringList m_missing;
};

} // namespace quillon
