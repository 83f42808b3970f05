#pragma once

#include "taxengine/FieldRanges.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <vector>

namespace quillon {

// What a field of a calculator window is: it decides the control, the "R" before it and how
// its value reaches the inputs struct.
enum class FieldKind {
    Number, // an amount (with an "R" before it), an age, a count, a percentage
    Date,   // dd/mm/yyyy
    Text,   // free text of a limited length
    Result, // a calculated figure, read-only and out of the Tab order
};

// Where a field's value goes (an input) or comes from (a result): a member of the window's
// inputs or results struct, held by reference for the window's lifetime.
struct FieldBinding {
    std::function<void(double)> setNumber;
    std::function<void(const QDate &)> setDate;
    std::function<void(const QString &)> setText;
    std::function<double()> number; // the value to show (results, and inputs when shown)
    std::function<QDate()> date;

    static FieldBinding to(double &target);
    static FieldBinding to(std::int16_t &target); // rounded half to even into 16 bits
    static FieldBinding to(QDate &target);
    static FieldBinding to(QString &target);
    static FieldBinding from(const double &source);
    static FieldBinding from(const std::int16_t &source);
};

// One row of a window's field table: the control's objectName, its caption, its kind, pattern
// and limits, where it binds, and which column of the form it stands in.
struct FieldRow {
    QString name;
    QString caption;
    FieldKind kind = FieldKind::Number;
    tax::FieldRange range = tax::kRandAndCents;
    FieldBinding binding;
    int column = 0;
    int width = 12;              // characters the field is sized for
    bool rand = false;           // an "R" stands before it
    bool besidePrevious = false; // on the row of the field before it, after that field
    QString suffix;              // a short text after the field ("%")
    QString spokenName;          // what a screen reader calls a field with no caption of its own
    QString heading;             // a title on a line of its own above the field's row
    QStringList columnHeads;     // titles over the field and over the one beside it
    QString help;                // one sentence: the field's tooltip and accessible description
    QString across;              // stands on this field's row, in the column after all others
};

using FieldTable = std::vector<FieldRow>;

// Short ways to write a table row.
FieldRow money(const QString &name, const QString &caption, double &target,
               tax::FieldRange range = tax::kRandAndCents);
FieldRow number(const QString &name, const QString &caption, std::int16_t &target,
                tax::FieldRange range = tax::kCount);
FieldRow number(const QString &name, const QString &caption, double &target, tax::FieldRange range);
FieldRow date(const QString &name, const QString &caption, QDate &target);
FieldRow text(const QString &name, const QString &caption, QString &target, int maximumLength);
FieldRow result(const QString &name, const QString &caption, const double &source,
                const char16_t *pattern = u"0.00", bool money = true);

// The same row placed in another column of the form.
FieldRow inColumn(FieldRow fieldRow, int column);
// The field placed on the row of the one before it, to its right.
FieldRow beside(FieldRow fieldRow);
// The field with a short text after it.
FieldRow withSuffix(FieldRow fieldRow, const QString &suffix);
// The name a screen reader gives a field that has no caption beside it.
FieldRow spoken(FieldRow fieldRow, const QString &name);
// A title on its own line above the field's row.
FieldRow underHeading(FieldRow fieldRow, const QString &heading);
// Titles over the field and over the field placed beside it ("80%", "20%").
FieldRow underColumnHeads(FieldRow fieldRow, const QStringList &heads);

// Named places of a table built from a calculator's description. Each throws
// std::logic_error for a name the table does not hold: a fault in the window's code.
FieldRow &rowNamed(FieldTable &table, const QString &name);
// Moves the field onto the row of `other`, to its right, in the same column; its caption
// becomes what a screen reader calls it.
void placeBeside(FieldTable &table, const QString &name, const QString &other);
// Moves the field onto a row of its own right below `other`, in the same column.
void placeBelow(FieldTable &table, const QString &name, const QString &other);
// Moves the fields to a column of the form, keeping their order.
void placeInColumn(FieldTable &table, const QStringList &names, int column);
// Moves the field to stand right after `other` in the table's order.
void placeAfter(FieldTable &table, const QString &name, const QString &other);
// Shows the field on the row of `other` (an earlier field), in a column after every other one,
// keeping its place in the table's and the Tab order; a field across from itself gets a row of
// its own with its caption at the left.
void placeAcross(FieldTable &table, const QString &name, const QString &other);
} // namespace quillon
