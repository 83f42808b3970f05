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

FieldSpec money(const QString &name, const QString &caption, double &target,
                tax::FieldRange range) {
    return {name, caption, FieldKind::Number, range, FieldBinding::to(target), 0, 14, true};
}

FieldSpec number(const QString &name, const QString &caption, std::int16_t &target,
                 tax::FieldRange range) {
    return {name, caption, FieldKind::Number, range, FieldBinding::to(target), 0, 5};
}

FieldSpec number(const QString &name, const QString &caption, double &target,
                 tax::FieldRange range) {
    return {name, caption, FieldKind::Number, range, FieldBinding::to(target), 0, 8};
}

FieldSpec date(const QString &name, const QString &caption, QDate &target) {
    return {name, caption, FieldKind::Date, {u"dd/mm/yyyy", 0, 0}, FieldBinding::to(target)};
}

FieldSpec text(const QString &name, const QString &caption, QString &target, int maximumLength) {
    return {name,
            caption,
            FieldKind::Text,
            {u"", 0, static_cast<double>(maximumLength)},
            FieldBinding::to(target)};
}

FieldSpec result(const QString &name, const QString &caption, const double &source,
                 const char16_t *pattern, bool money) {
    FieldSpec spec{name, caption, FieldKind::Result, {pattern, 0, 0}, FieldBinding::from(source)};
    spec.column = 1;
    spec.width = money ? 14 : 5;
    spec.rand = money;
    return spec;
}

FieldSpec inColumn(FieldSpec spec, int column) {
    spec.column = column;
    return spec;
}

} // namespace quillon
