#include "cli/JsonInput.h"

#include <rapidjson/encodedstream.h>
#include <rapidjson/error/en.h>
#include <rapidjson/memorystream.h>
#include <rapidjson/reader.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>

namespace quillon::cli {

namespace {

QString memberName(const JsonInputValue &name) {
    return QString::fromUtf8(name.GetString(), name.GetStringLength());
}

// The first key given twice in any object of the value, or an empty text.
QString duplicateKey(const JsonInputValue &value) {
    if (value.IsArray()) {
        for (const JsonInputValue &item : value.GetArray())
            if (QString d = duplicateKey(item); !d.isEmpty())
                return d;
        return {};
    }
    if (!value.IsObject())
        return {};
    for (auto a = value.MemberBegin(); a != value.MemberEnd(); ++a) {
        for (auto b = value.MemberBegin(); b != a; ++b)
            if (a->name.GetStringLength() == b->name.GetStringLength() &&
                std::memcmp(a->name.GetString(), b->name.GetString(), a->name.GetStringLength()) ==
                    0)
                return memberName(a->name);
        if (QString d = duplicateKey(a->value); !d.isEmpty())
            return d;
    }
    return {};
}

// The power of ten of a number's first significant digit ("0.05" gives -2, "120" gives 2,
// "1.5e-400" gives -400), for telling a number too small to hold from one too large; nothing
// for a zero, whatever its exponent.
std::optional<long> leadingPower(std::string_view number) {
    const std::size_t e = std::min(number.find_first_of("eE"), number.size());
    const std::string_view mantissa = number.substr(0, e);
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos)
        return std::nullopt;
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    long power =
        first < point ? static_cast<long>(point - first) - 1 : -static_cast<long>(first - point);
    long exponent = 0;
    for (char c : number.substr(std::min(e + 1, number.size())))
        if (c >= '0' && c <= '9')
            exponent = std::min(exponent * 10 + (c - '0'), 1'000'000'000L);
    if (number.find("e-") != std::string_view::npos || number.find("E-") != std::string_view::npos)
        exponent = -exponent;
    return power + exponent;
}

// Passes the parser's events on to the document, but reads each number with the standard
// library's correctly rounded conversion: RapidJSON 1.1 (Debian 12) reads some numbers as
// garbage in full precision ("0e104" as -3.3e150, a 900-digit "1.000…e-330" as -1.7e302) and
// crashes on others.
template <class Handler> struct NumbersRead {
    Handler &to;
    bool tooLarge = false;
    bool tooDeep = false;
    int depth = 0;

    // The reader recurses once per level: stopping here keeps the stack small whatever the input.
    bool enter() {
        tooDeep = ++depth > kMaxDepth;
        return !tooDeep;
    }

    bool RawNumber(const char *text, rapidjson::SizeType length, bool) {
        const std::string_view number(text, length);
        const bool negative = number.starts_with('-');
        const std::string_view unsigned_ = number.substr(negative ? 1 : 0);
        if (unsigned_.starts_with('N'))
            return to.Double(std::numeric_limits<double>::quiet_NaN());
        if (unsigned_.starts_with('I'))
            return to.Double(negative ? -std::numeric_limits<double>::infinity()
                                      : std::numeric_limits<double>::infinity());
        const char *end = text + length;
        if (number.find_first_of(".eE") == std::string_view::npos) {
            std::int64_t whole = 0;
            if (std::from_chars(text, end, whole).ec == std::errc())
                return to.Int64(whole);
            std::uint64_t large = 0;
            if (std::from_chars(text, end, large).ec == std::errc())
                return to.Uint64(large);
        }
        double value = 0;
        const std::from_chars_result read = std::from_chars(text, end, value);
        if (read.ec == std::errc::result_out_of_range) {
            if (const std::optional<long> power = leadingPower(number); power && *power >= 0) {
                tooLarge = true;
                return false;
            }
            value = negative ? -0.0 : 0.0; // too small to hold: zero, as a double rounds it
        } else if (read.ec != std::errc() || read.ptr != end) {
            return false;
        }
        return to.Double(value);
    }
    bool Null() { return to.Null(); }
    bool Bool(bool b) { return to.Bool(b); }
    bool Int(int i) { return to.Int(i); }
    bool Uint(unsigned u) { return to.Uint(u); }
    bool Int64(std::int64_t i) { return to.Int64(i); }
    bool Uint64(std::uint64_t u) { return to.Uint64(u); }
    bool Double(double d) { return to.Double(d); }
    bool String(const char *s, rapidjson::SizeType n, bool copy) { return to.String(s, n, copy); }
    bool StartObject() { return enter() && to.StartObject(); }
    bool Key(const char *s, rapidjson::SizeType n, bool copy) { return to.Key(s, n, copy); }
    bool EndObject(rapidjson::SizeType n) {
        --depth;
        return to.EndObject(n);
    }
    bool StartArray() { return enter() && to.StartArray(); }
    bool EndArray(rapidjson::SizeType n) {
        --depth;
        return to.EndArray(n);
    }
};

// Builds the document from the text through NumbersRead (the document's Populate hands it the
// document as the receiver of the events). Read in place, the text is changed and the
// document's strings point into it instead of being copied.
struct ObjectReader {
    std::string_view text;
    char *inPlace = nullptr; // the same text, ended by a NUL, when it is read in place
    rapidjson::ParseResult result;
    bool tooLarge = false;
    bool tooDeep = false;

    template <class Handler> bool operator()(Handler &document) {
        constexpr unsigned kFlags = rapidjson::kParseNumbersAsStringsFlag |
                                    rapidjson::kParseNanAndInfFlag |
                                    rapidjson::kParseValidateEncodingFlag;
        if (inPlace) {
            rapidjson::InsituStringStream stream(inPlace);
            // The byte-order mark's bytes are passed over one by one, as the copying reader's
            // stream does; its offsets count them too.
            for (const unsigned char mark : {0xEFu, 0xBBu, 0xBFu})
                if (static_cast<unsigned char>(stream.Peek()) == mark)
                    stream.Take();
            return parse<kFlags | rapidjson::kParseInsituFlag>(stream, document);
        }
        rapidjson::MemoryStream bytes(text.data(), text.size());
        rapidjson::EncodedInputStream<rapidjson::UTF8<>, rapidjson::MemoryStream> stream(bytes);
        return parse<kFlags>(stream, document);
    }

    template <unsigned Flags, class Stream, class Handler>
    bool parse(Stream &stream, Handler &document) {
        NumbersRead<Handler> numbers{document};
        rapidjson::Reader reader;
        result = reader.Parse<Flags>(stream, numbers);
        tooLarge = numbers.tooLarge;
        tooDeep = numbers.tooDeep;
        return !result.IsError();
    }
};

QString readObject(ObjectReader &read, JsonDocument &document, rapidjson::ParseErrorCode *syntax) {
    // The reader takes a NUL for the end of the text and would answer for what precedes it.
    if (const std::size_t nul = read.text.find('\0'); nul != std::string_view::npos) {
        if (syntax)
            *syntax = rapidjson::kParseErrorTermination;
        return QStringLiteral("not valid JSON: a NUL byte (at character %1)").arg(nul + 1);
    }
    document.Populate(read);
    if (syntax)
        *syntax = read.result.Code();
    if (read.result.IsError()) {
        const rapidjson::ParseErrorCode code = read.result.Code();
        const QString why = read.tooDeep ? QStringLiteral("nested more than %1 deep").arg(kMaxDepth)
                            : read.tooLarge || code == rapidjson::kParseErrorNumberTooBig
                                ? QStringLiteral("a number is too large to be held")
                                : QString::fromLatin1(rapidjson::GetParseError_En(code));
        return QStringLiteral("not valid JSON: %1 (at character %2)")
            .arg(why)
            .arg(read.result.Offset() + 1);
    }
    if (!document.IsObject())
        return QStringLiteral("the input must be a JSON object");
    if (const QString key = duplicateKey(document); !key.isEmpty())
        return QStringLiteral("the key \"%1\" is given twice").arg(key);
    return {};
}

} // namespace

// NULs after a text read in place (see parseObjectInPlace).
constexpr std::size_t kInPlacePadding = 4;

QString parseObject(std::string_view text, JsonDocument &document,
                    rapidjson::ParseErrorCode *syntax) {
    ObjectReader read{text, nullptr, {}, false, false};
    return readObject(read, document, syntax);
}

QString parseObjectInPlace(std::string &text, JsonDocument &document,
                           rapidjson::ParseErrorCode *syntax) {
    // The encoding check reads all of a character's continuation bytes before it judges them,
    // so a text ending inside a four-byte character is read up to three bytes past its end;
    // those must be NULs of its own, as past the end of the copying reader's stream.
    const std::size_t size = text.size();
    text.append(kInPlacePadding, '\0');
    ObjectReader read{std::string_view(text.data(), size), text.data(), {}, false, false};
    return readObject(read, document, syntax);
}

} // namespace quillon::cli
