#pragma once

#include "controls/FieldTable.h"
#include "taxengine/FieldDescription.h"

namespace quillon {

// The binding of an input to its place in the window's inputs struct.
FieldBinding bindingTo(const tax::ValueSlot &place);

// The row a window shows for a described input: its control, caption, limits and help.
template <class Inputs> FieldRow inputRow(const tax::InputField<Inputs> &f, Inputs &in) {
    FieldRow fieldRow;
    fieldRow.name = f.name;
    fieldRow.caption = f.caption;
    fieldRow.help = f.help;
    fieldRow.range = f.range;
    // A field without a place in the struct (a date held as a day number) is bound by its window.
    if (f.slot)
        fieldRow.binding = bindingTo(f.slot(in));
    switch (f.kind) {
    case tax::ValueKind::Amount:
        fieldRow.rand = true;
        fieldRow.width = 14;
        break;
    case tax::ValueKind::Count:
        fieldRow.width = 5;
        break;
    case tax::ValueKind::Date:
        fieldRow.kind = FieldKind::Date;
        fieldRow.width = 10;
        break;
    case tax::ValueKind::Text:
        fieldRow.kind = FieldKind::Text;
        fieldRow.range = {u"", 0, static_cast<double>(f.maxLength)};
        fieldRow.width = f.maxLength;
        break;
    default:
        fieldRow.width = 8;
    }
    return fieldRow;
}

// The read-only row of a described result.
template <class Results>
FieldRow resultRow(const tax::OutputField<Results> &f, const Results &out) {
    FieldRow fieldRow;
    fieldRow.name = f.name;
    fieldRow.caption = f.caption;
    fieldRow.help = f.help;
    fieldRow.kind = FieldKind::Result;
    fieldRow.range = {f.pattern, 0, 0};
    fieldRow.rand = f.money;
    fieldRow.width = f.money ? 14 : 5;
    fieldRow.column = 1; // the column of results, unless the window places it elsewhere
    fieldRow.binding.number = [&out, value = f.value] { return value(out); };
    return fieldRow;
}

// Every field of a calculator the window shows (those with a control name): its inputs in the
// description's order, then its results. A flag is a check box or a pair of options, which the
// window builds itself.
template <class Inputs, class Results>
FieldTable describedRows(const tax::CalculatorDescription<Inputs, Results> &d, Inputs &in,
                         const Results &out) {
    FieldTable table;
    for (const auto &f : d.inputs)
        if (!f.name.isEmpty() && f.kind != tax::ValueKind::Flag)
            table.push_back(inputRow(f, in));
    for (const auto &f : d.outputs)
        if (!f.name.isEmpty())
            table.push_back(resultRow(f, out));
    return table;
}

} // namespace quillon
