// quillon-calc's input path for any bytes on standard input: the line reader (fed in pieces
// of a size the first byte picks, so lines straddle its refills), the JSON object parser (read
// in place too, which must agree) and the key reader with a number, a whole number, a date and
// a text.
#include "cli/Command.h"
#include "cli/LineStream.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace quillon::cli;
    if (size == 0)
        return 0;
    const qint64 piece = 1 + data[0] % 64;
    const char *next = reinterpret_cast<const char *>(data + 1);
    qint64 left = static_cast<qint64>(size - 1);
    LineReader reader([&](char *out, qint64 room) {
        const qint64 n = std::min({room, piece, left});
        std::memcpy(out, next, static_cast<std::size_t>(n));
        next += n;
        left -= n;
        return n;
    });
    static const std::vector<JsonKey> keys = {{QStringLiteral("salary"), KeyKind::Number, {}},
                                              {QStringLiteral("age"), KeyKind::Integer, {}},
                                              {QStringLiteral("start"), KeyKind::Date, {}},
                                              {QStringLiteral("name"), KeyKind::Text, {}}};
    std::string_view line;
    for (;;) {
        const LineReader::Status status = reader.next(line);
        if (status == LineReader::Status::End || status == LineReader::Status::Failed)
            break;
        if (status != LineReader::Status::Line)
            continue;
        JsonDocument document;
        const QString error = parseObject(line, document);
        // Read in place, as a batch reads its lines, the line gets the same verdict.
        std::string copy(line);
        JsonDocument inPlace;
        if (parseObjectInPlace(copy, inPlace) != error)
            std::abort();
        if (!error.isEmpty())
            continue;
        InputReader input(document, keys);
        input.number(QStringLiteral("salary"), quillon::tax::kRandAndCents);
        input.int16(QStringLiteral("age"), quillon::tax::kWholeRand);
        const QDate start = input.date(QStringLiteral("start"), QDate(2016, 3, 1));
        input.text(QStringLiteral("name"));
        // A date read is a real one, and a refusal says what is wrong.
        if (!start.isValid() || (!input.ok() && input.error().isEmpty()))
            std::abort();
    }
    return 0;
}
