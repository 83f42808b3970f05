#include "cli/Described.h"

namespace quillon::cli {

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
