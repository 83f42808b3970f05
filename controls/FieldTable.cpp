#include "controls/FieldTable.h"

#include "taxengine/TaxRules.h"

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

FieldSpec row(const QString &name, const QString &caption, FieldKind kind, tax::FieldRange range,
              FieldBinding binding, int width) {
    FieldSpec spec;
    spec.name = name;
    spec.caption = caption;
    spec.kind = kind;
    spec.range = range;
    spec.binding = std::move(binding);
    spec.width = width;
    return spec;
}

} // namespace

FieldSpec money(const QString &name, const QString &caption, double &target,
                tax::FieldRange range) {
    FieldSpec spec = row(name, caption, FieldKind::Number, range, FieldBinding::to(target), 14);
    spec.rand = true;
    return spec;
}

FieldSpec number(const QString &name, const QString &caption, std::int16_t &target,
                 tax::FieldRange range) {
    return row(name, caption, FieldKind::Number, range, FieldBinding::to(target), 5);
}

FieldSpec number(const QString &name, const QString &caption, double &target,
                 tax::FieldRange range) {
    return row(name, caption, FieldKind::Number, range, FieldBinding::to(target), 8);
}

FieldSpec date(const QString &name, const QString &caption, QDate &target) {
    return row(name, caption, FieldKind::Date, {u"dd/mm/yyyy", 0, 0}, FieldBinding::to(target), 10);
}

FieldSpec text(const QString &name, const QString &caption, QString &target, int maximumLength) {
    return row(name, caption, FieldKind::Text, {u"", 0, static_cast<double>(maximumLength)},
               FieldBinding::to(target), maximumLength);
}

FieldSpec result(const QString &name, const QString &caption, const double &source,
                 const char16_t *pattern, bool money) {
    FieldSpec spec = row(name, caption, FieldKind::Result, {pattern, 0, 0},
                         FieldBinding::from(source), money ? 14 : 5);
    spec.column = 1;
    spec.rand = money;
    return spec;
}

FieldSpec inColumn(FieldSpec spec, int column) {
    spec.column = column;
    return spec;
}

FieldSpec beside(FieldSpec spec) {
    spec.besidePrevious = true;
    return spec;
}

FieldSpec withSuffix(FieldSpec spec, const QString &suffix) {
    spec.suffix = suffix;
    return spec;
}

} // namespace quillon
