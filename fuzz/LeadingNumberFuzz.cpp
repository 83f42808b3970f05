// The number fields' reader and the leading number of a field's text, for any text a user can
// type or paste. The first byte picks the field's pattern.
#include "controls/NumericValidator.h"
#include "taxengine/NumberText.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0)
        return 0;
    const quillon::NumberRules rules{data[0] % 5, (data[0] & 0x80) != 0};
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1),
                                           static_cast<qsizetype>(size - 1));
    const quillon::NumberReading reading = quillon::readNumber(text, rules);
    // What is read is a finite number of the field's sign; a refusal always says why.
    if (!std::isfinite(reading.value) ||
        (!rules.allowMinus && !reading.refused() && reading.value < 0))
        std::abort();
    if (reading.refused() && reading.reason.isEmpty())
        std::abort();
    if (!std::isfinite(quillon::leadingNumber(text)))
        std::abort();
    return 0;
}
