// The date field's parser, for any text a user can type or paste.
#include "controls/DateEdit.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QDate date = quillon::DateEdit::parse(text);
    // A date the parser gives back is a real one.
    if (!date.isNull() && !date.isValid())
        std::abort();
    return 0;
}
