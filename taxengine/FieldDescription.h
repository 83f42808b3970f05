#pragma once

#include "taxengine/FieldRanges.h"

#include <QDate>
#include <QString>

#include <cstdint>
#include <functional>
#include <variant>
#include <vector>

namespace quillon::tax {

// What a described value holds. It decides how quillon-calc reads and writes the value and which
// control a window gives it.
enum class ValueKind {
    Amount, // rand: a figure with an "R" before its window field
    Figure, // a figure within the field's range, with no more decimals than its pattern shows
    Count,  // a whole number held in 16 bits (ages, beneficiaries, days)
    Choice, // one of a few exact figures (the 80 % / 20 % options)
    Date,   // dd/mm/yyyy
    Text,   // free text of a limited length
    Flag,   // yes or no
    List,   // a list the calculator's command reads or writes itself
    Object, // an object, the same
};

// Where an input lives in its calculator's inputs struct. A date may be held as its Julian day
// number (qint64), as the company-car list holds its periods.
using ValueSlot = std::variant<std::monostate, double *, std::int16_t *, QDate *, QString *, bool *,
                               float *, qint64 *>;

template <class Inputs> using SlotOf = std::function<ValueSlot(Inputs &)>;

// The slot of a member of the inputs struct (or of a struct it derives from).
template <class Inputs, class Owner, class T> SlotOf<Inputs> slot(T Owner::*member) {
    return [member](Inputs &in) -> ValueSlot { return &(in.*member); };
}

// The slot of a member of a member (the settings inside the inputs).
template <class Inputs, class Owner, class Inner, class T>
SlotOf<Inputs> slot(Inner Owner::*outer, T Inner::*member) {
    return [outer, member](Inputs &in) -> ValueSlot { return &((in.*outer).*member); };
}

// One input of a calculator, described once: quillon-calc reads it by `key`, the window builds
// its control as `name` with `caption`, and both hold it to `range`. `help` is one sentence, for
// quillon-calc's --help and the control's tooltip. A field without a key is the window's own; a
// field without a name is read by quillon-calc only.
template <class Inputs> struct InputField {
    QString key;
    QString name;
    QString caption;
    ValueKind kind = ValueKind::Figure;
    FieldRange range = kRandAndCents;
    QString help;
    SlotOf<Inputs> slot;         // empty for a list or object the command reads itself
    std::vector<double> choices; // the figures a choice may take
    int maxLength = 0;           // of a text
    QString aboveMessage; // the window's own words for a figure above the maximum, told first
};

// One result of a calculator: quillon-calc writes `value` under `key`, the window shows it in
// the read-only field `name` with `pattern` (an "R" before it when it is money).
template <class Results> struct OutputField {
    QString key;
    QString name;
    QString caption;
    ValueKind kind = ValueKind::Figure;
    const char16_t *pattern = u"0.00";
    bool money = true;
    QString help;
    std::function<double(const Results &)> value; // a flag is 1 or 0
};

// Short ways to write a description's entries, in the order of the members above.
template <class Inputs>
InputField<Inputs> input(QString key, QString name, QString caption, ValueKind kind,
                         FieldRange range, QString help, SlotOf<Inputs> to = {}) {
    InputField<Inputs> f;
    f.key = std::move(key);
    f.name = std::move(name);
    f.caption = std::move(caption);
    f.kind = kind;
    f.range = range;
    f.help = std::move(help);
    f.slot = std::move(to);
    return f;
}

template <class Results>
OutputField<Results> output(QString key, QString name, QString caption, ValueKind kind,
                            const char16_t *pattern, bool money, QString help,
                            std::function<double(const Results &)> value = {}) {
    OutputField<Results> f;
    f.key = std::move(key);
    f.name = std::move(name);
    f.caption = std::move(caption);
    f.kind = kind;
    f.pattern = pattern;
    f.money = money;
    f.help = std::move(help);
    f.value = std::move(value);
    return f;
}

// The result that reads a member of the results struct.
template <class Results, class Owner, class T>
std::function<double(const Results &)> reading(T Owner::*member) {
    return [member](const Results &out) { return static_cast<double>(out.*member); };
}

// A calculator described once: its quillon-calc sub-command, and its inputs and results in the
// order quillon-calc lists and answers them.
template <class Inputs, class Results> struct CalculatorDescription {
    QString command;
    QString summary;
    std::vector<InputField<Inputs>> inputs;
    std::vector<OutputField<Results>> outputs;
};

} // namespace quillon::tax
