#include "cli/Described.h"

#include <cmath>

namespace quillon::cli {

double fieldNumber(InputReader &r, const QString &key, const tax::FieldRange &range,
                   const QString &aboveMessage, double fallback) {
    if (!r.ok() || aboveMessage.isEmpty() || !r.has(key))
        return r.number(key, range, fallback);
    InputReader probe = r;
    const double v = probe.number(key, tax::FieldRange{range.pattern, -HUGE_VAL, HUGE_VAL});
    if (probe.ok() && v > range.maximum) {
        r.fail(aboveMessage + QStringLiteral(": ") + rangeProblem(key, v, range));
        return 0;
    }
    return r.number(key, range, fallback);
}

KeyKind keyKind(tax::ValueKind kind) {
    switch (kind) {
    case tax::ValueKind::Amount:
    case tax::ValueKind::Figure:
    case tax::ValueKind::Choice:
        return KeyKind::Number;
    case tax::ValueKind::Count:
        return KeyKind::Integer;
    case tax::ValueKind::Date:
        return KeyKind::Date;
    case tax::ValueKind::Text:
        return KeyKind::Text;
    case tax::ValueKind::Flag:
        return KeyKind::Flag;
    case tax::ValueKind::List:
        return KeyKind::List;
    case tax::ValueKind::Object:
        return KeyKind::Object;
    }
    return KeyKind::Number;
}

} // namespace quillon::cli
