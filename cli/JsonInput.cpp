#include "cli/JsonInput.h"

#include <rapidjson/error/en.h>

#include <cstring>
#include <optional>
#include <string>

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

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// RapidJSON 1.1 (Debian 12) reads a number whose digits are all zero but whose exponent is
// large ("0e104", "-0.0e40") as garbage in full precision (its normalisation counts the
// leading zeros of 0). Such a number is zero whatever its exponent, so its fraction and
// exponent are blanked out before parsing: the same length keeps error positions right.
// Only a number where a value may start is touched, and what follows it is kept: after a
// value only a blank, ",", "]" or "}" may come, so bad input stays bad. Returns the mended
// copy, or nothing when the text has no such number.
std::optional<std::string> zeroExponentsBlanked(std::string_view text) {
    std::optional<std::string> mended;
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        const char c = text[i];
        if (c == '"') { // a string: skipped whole, escapes included
            ++i;
            while (i < n && text[i] != '"')
                i += text[i] == '\\' ? 2 : 1;
            ++i;
            continue;
        }
        const bool starts =
            (c == '-' || c == '0') && (i == 0 || std::strchr(" \t\r\n:,[", text[i - 1]) != nullptr);
        if (!starts) {
            ++i;
            continue;
        }
        std::size_t j = c == '-' ? i + 1 : i;
        if (j >= n || text[j] != '0') {
            i = j + 1;
            continue;
        }
        const std::size_t zero = j++;
        if (j < n && text[j] == '.') {
            const std::size_t fraction = ++j;
            while (j < n && text[j] == '0')
                ++j;
            if (j == fraction) {
                i = j; // "0." is malformed: left for the parser to refuse
                continue;
            }
        }
        if (j >= n || (text[j] != 'e' && text[j] != 'E')) {
            i = j;
            continue;
        }
        std::size_t k = j + 1;
        if (k < n && (text[k] == '+' || text[k] == '-'))
            ++k;
        const std::size_t digits = k;
        while (k < n && isDigit(text[k]))
            ++k;
        if (k > digits) {
            if (!mended)
                mended.emplace(text);
            mended->replace(zero + 1, k - zero - 1, k - zero - 1, ' ');
        }
        i = k;
    }
    return mended;
}

} // namespace

QString parseObject(std::string_view text, JsonDocument &document) {
    const std::optional<std::string> mended = zeroExponentsBlanked(text);
    if (mended)
        text = *mended;
    constexpr unsigned kFlags = rapidjson::kParseFullPrecisionFlag |
                                rapidjson::kParseNanAndInfFlag |
                                rapidjson::kParseValidateEncodingFlag;
    document.Parse<kFlags>(text.data(), text.size());
    if (document.HasParseError()) {
        const rapidjson::ParseErrorCode code = document.GetParseError();
        const QString why = code == rapidjson::kParseErrorNumberTooBig
                                ? QStringLiteral("a number is too large to be held")
                                : QString::fromLatin1(rapidjson::GetParseError_En(code));
        return QStringLiteral("not valid JSON: %1 (at character %2)")
            .arg(why)
            .arg(document.GetErrorOffset() + 1);
    }
    if (!document.IsObject())
        return QStringLiteral("the input must be a JSON object");
    if (const QString key = duplicateKey(document); !key.isEmpty())
        return QStringLiteral("the key \"%1\" is given twice").arg(key);
    return {};
}

} // namespace quillon::cli
