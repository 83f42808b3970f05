// The report layout parser, for any text a layout file can hold: it either gives a layout or
// says what is wrong.
#include "report/LayoutParser.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QString error;
    const auto layout = quillon::report::LayoutParser::parse(text, &error);
    if (!layout && error.isEmpty())
        std::abort();
    return 0;
}
