#include "controls/FieldTable.h"

#include "controls/DescribedRows.h"
#include "taxengine/TaxRules.h"

#include <algorithm>
#include <stdexcept>

namespace quillon {

FieldBinding FieldBinding::to(double &target) {
    FieldBinding b;
    b.setNumber = [&target](double v) { target = v; };
    b.number = [&target] { return target; };
    return b;
}

FieldBinding FieldBinding::to(std::int16_t &target) {
    FieldBinding b;
    b.setNumber = [&target](double v) { target = tax::toInt16(v); };
    b.number = [&target] { return static_cast<double>(target); };
    return b;
}

FieldBinding FieldBinding::to(QDate &target) {
    FieldBinding b;
    b.setDate = [&target](const QDate &d) { target = d; };
    b.date = [&target] { return target; };
    return b;
}

FieldBinding FieldBinding::to(QString &target) {
    FieldBinding b;
    b.setText = [&target](const QString &t) { target = t; };
    return b;
}

FieldBinding FieldBinding::from(const double &source) {
    FieldBinding b;
    b.number = [&source] { return source; };
    return b;
}

FieldBinding FieldBinding::from(const std::int16_t &source) {
    FieldBinding b;
    b.number = [&source] { return static_cast<double>(source); };
    return b;
}

namespace {

FieldTable::iterator findRow(FieldTable &table, const QString &name) {
    const auto it =
        std::find_if(table.begin(), table.end(), [&](const FieldRow &f) { return f.name == name; });
    if (it == table.end())
        throw std::logic_error("no field row is named " + name.toStdString());
    return it;
}

FieldRow row(const QString &name, const QString &caption, FieldKind kind, tax::FieldRange range,
             FieldBinding binding, int width) {
    FieldRow fieldRow;
    fieldRow.name = name;
    fieldRow.caption = caption;
    fieldRow.kind = kind;
    fieldRow.range = range;
    fieldRow.binding = std::move(binding);
    fieldRow.width = width;
    return fieldRow;
}

} // namespace

FieldRow money(const QString &name, const QString &caption, double &target, tax::FieldRange range) {
    FieldRow fieldRow = row(name, caption, FieldKind::Number, range, FieldBinding::to(target), 14);
    fieldRow.rand = true;
    return fieldRow;
}

FieldRow number(const QString &name, const QString &caption, std::int16_t &target,
                tax::FieldRange range) {
    return row(name, caption, FieldKind::Number, range, FieldBinding::to(target), 5);
}

FieldRow number(const QString &name, const QString &caption, double &target,
                tax::FieldRange range) {
    return row(name, caption, FieldKind::Number, range, FieldBinding::to(target), 8);
}

FieldRow date(const QString &name, const QString &caption, QDate &target) {
    return row(name, caption, FieldKind::Date, {u"dd/mm/yyyy", 0, 0}, FieldBinding::to(target), 10);
}

FieldRow text(const QString &name, const QString &caption, QString &target, int maximumLength) {
    return row(name, caption, FieldKind::Text, {u"", 0, static_cast<double>(maximumLength)},
               FieldBinding::to(target), maximumLength);
}

FieldRow result(const QString &name, const QString &caption, const double &source,
                const char16_t *pattern, bool money) {
    FieldRow fieldRow = row(name, caption, FieldKind::Result, {pattern, 0, 0},
                            FieldBinding::from(source), money ? 14 : 5);
    fieldRow.column = 1;
    fieldRow.rand = money;
    return fieldRow;
}

FieldRow inColumn(FieldRow fieldRow, int column) {
    fieldRow.column = column;
    return fieldRow;
}

FieldRow beside(FieldRow fieldRow) {
    fieldRow.besidePrevious = true;
    return fieldRow;
}

FieldRow withSuffix(FieldRow fieldRow, const QString &suffix) {
    fieldRow.suffix = suffix;
    return fieldRow;
}

FieldRow spoken(FieldRow fieldRow, const QString &name) {
    fieldRow.spokenName = name;
    return fieldRow;
}

FieldRow underHeading(FieldRow fieldRow, const QString &heading) {
    fieldRow.heading = heading;
    return fieldRow;
}

FieldRow underColumnHeads(FieldRow fieldRow, const QStringList &heads) {
    fieldRow.columnHeads = heads;
    return fieldRow;
}

FieldBinding bindingTo(const tax::ValueSlot &place) {
    if (auto *figure = std::get_if<double *>(&place))
        return FieldBinding::to(**figure);
    if (auto *count = std::get_if<std::int16_t *>(&place))
        return FieldBinding::to(**count);
    if (auto *single = std::get_if<float *>(&place)) {
        FieldBinding b;
        b.setNumber = [single = *single](double v) { *single = static_cast<float>(v); };
        b.number = [single = *single] { return static_cast<double>(*single); };
        return b;
    }
    if (auto *day = std::get_if<QDate *>(&place))
        return FieldBinding::to(**day);
    if (auto *words = std::get_if<QString *>(&place))
        return FieldBinding::to(**words);
    if (auto *dayNumber = std::get_if<qint64 *>(&place)) {
        FieldBinding b;
        b.setDate = [&target = **dayNumber](const QDate &d) { target = d.toJulianDay(); };
        b.date = [&target = **dayNumber] { return QDate::fromJulianDay(target); };
        return b;
    }
    throw std::logic_error("a window field has no place in its inputs");
}

FieldRow &rowNamed(FieldTable &table, const QString &name) {
    return *findRow(table, name);
}

void placeAfter(FieldTable &table, const QString &name, const QString &other) {
    FieldRow moved = *findRow(table, name);
    table.erase(findRow(table, name));
    table.insert(std::next(findRow(table, other)), std::move(moved));
}

void placeBeside(FieldTable &table, const QString &name, const QString &other) {
    placeAfter(table, name, other);
    FieldRow &fieldRow = rowNamed(table, name);
    fieldRow.column = rowNamed(table, other).column;
    fieldRow.besidePrevious = true;
    fieldRow.spokenName = fieldRow.caption;
    fieldRow.caption.clear();
}

void placeBelow(FieldTable &table, const QString &name, const QString &other) {
    placeAfter(table, name, other);
    rowNamed(table, name).column = rowNamed(table, other).column;
}

void placeAcross(FieldTable &table, const QString &name, const QString &other) {
    FieldRow &fieldRow = rowNamed(table, name);
    fieldRow.column = rowNamed(table, other).column;
    fieldRow.across = other;
}

void placeInColumn(FieldTable &table, const QStringList &names, int column) {
    for (const QString &name : names)
        rowNamed(table, name).column = column;
}

} // namespace quillon
