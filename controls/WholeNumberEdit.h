#pragma once

#include "controls/NumericEdit.h"

#include <cstdint>

namespace quillon {

// A whole-number field (ages, counts, whole rand): the numeric field with the pattern "0".
class WholeNumberEdit : public NumericEdit {
    Q_OBJECT
public:
    explicit WholeNumberEdit(QWidget *parent = nullptr);
    WholeNumberEdit(double minimum, double maximum, QWidget *parent = nullptr);

    // The value as a signed 16-bit count, halves to even.
    std::int16_t int16Value() const;
};

} // namespace quillon
