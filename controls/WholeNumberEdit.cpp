#include "controls/WholeNumberEdit.h"

#include "taxengine/TaxRules.h"

namespace quillon {

WholeNumberEdit::WholeNumberEdit(QWidget *parent) : WholeNumberEdit(0, 999999999999.0, parent) {}

WholeNumberEdit::WholeNumberEdit(double minimum, double maximum, QWidget *parent)
    : NumericEdit(QStringLiteral("0"), minimum, maximum, parent) {}

std::int16_t WholeNumberEdit::int16Value() const {
    return tax::toInt16(value());
}

} // namespace quillon
