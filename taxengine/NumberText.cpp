#include "taxengine/NumberText.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace quillon {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == QChar(0x00A0);
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// 10^n, exact for the decimal places a pattern keeps, without a call into pow on every figure.
double powerOfTen(int n) {
    static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    return n >= 0 && n < 16 ? kPowers[n] : std::pow(10.0, n);
}

// std::round for a value of at least 0 (or NaN): half away from zero. Below 2^52 the whole part
// and the rest are exact, so no call into the maths library is needed; above it every double is
// whole already.
double roundUnsigned(double v) {
    if (!(v < 4503599627370496.0))
        return std::round(v);
    const double whole = static_cast<double>(static_cast<std::int64_t>(v));
    return v - whole >= 0.5 ? whole + 1 : whole;
}

// The digits through Qt, for values too large for the standard library's to be the same.
QString formatWithQt(double rounded, bool negative, int decimals, int minIntegerDigits,
                     QChar group) {
    QString fixed = QString::number(rounded, 'f', decimals);
    QString whole = decimals > 0 ? fixed.left(fixed.indexOf(u'.')) : fixed;
    const QString fraction = decimals > 0 ? fixed.mid(fixed.indexOf(u'.') + 1) : QString();
    if (whole == QLatin1String("0") && minIntegerDigits == 0)
        whole.clear();
    while (whole.size() < minIntegerDigits)
        whole.prepend(u'0');
    if (!group.isNull() && whole.size() > 3) {
        QString grouped;
        const qsizetype len = whole.size();
        for (qsizetype k = 0; k < len; ++k) {
            if (k > 0 && (len - k) % 3 == 0)
                grouped.append(group);
            grouped.append(whole[k]);
        }
        whole = grouped;
    }
    QString out = negative ? QStringLiteral("-") : QString();
    out += whole;
    if (decimals > 0)
        out += u'.' + fraction;
    return out;
}

} // namespace

double leadingNumber(QStringView text) {
    std::string digits;
    digits.reserve(static_cast<std::size_t>(text.size()));
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] {
        while (i < n && isBlank(text[i]))
            ++i;
    };
    skipBlanks();
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        digits.push_back(static_cast<char>(text[i].unicode()));
        ++i;
    }
    bool any = false;
    bool point = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (isBlank(c))
            continue;
        if (isDigit(c)) {
            digits.push_back(static_cast<char>(c.unicode()));
            any = true;
        } else if (c == u'.' && !point) {
            digits.push_back('.');
            point = true;
        } else {
            break;
        }
    }
    if (!any)
        return 0;
    // An exponent counts only when digits follow it.
    if (i < n && (text[i] == u'e' || text[i] == u'E' || text[i] == u'd' || text[i] == u'D')) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < n && (text[j] == u'-' || text[j] == u'+'))
            exponent.push_back(static_cast<char>(text[j++].unicode()));
        bool expDigits = false;
        while (j < n && isDigit(text[j]) && exponent.size() < 8) {
            exponent.push_back(static_cast<char>(text[j++].unicode()));
            expDigits = true;
        }
        if (expDigits)
            digits += exponent;
    }
    char *end = nullptr;
    const double value = std::strtod(digits.c_str(), &end);
    if (!std::isfinite(value))
        return 0;
    return value;
}

NumberPattern readNumberPattern(QStringView pattern) {
    // One pass: the places before the point, then the decimals after it.
    NumberPattern p;
    bool seenPlaceholder = false;
    bool afterPoint = false;
    for (QChar c : pattern) {
        const bool placeholder = c == u'0' || c == u'#';
        if (afterPoint) {
            p.decimals += placeholder ? 1 : 0;
        } else if (c == u'.') {
            afterPoint = true;
        } else {
            p.minIntegerDigits += c == u'0' ? 1 : 0;
            if (placeholder)
                seenPlaceholder = true;
            else if ((c == u' ' || c == u',') && seenPlaceholder)
                p.group = static_cast<char>(c.unicode());
        }
    }
    return p;
}

namespace {

// Room for any text the quick way writes: 15 digits, their group marks, the point, a sign and up
// to 32 whole digits asked for.
constexpr std::size_t kQuickRoom = 128;

// Writes the text into `text` and returns its length when the value is small enough for the
// standard library's digits to be those Qt writes; otherwise nothing.
std::optional<std::size_t> quickPattern(char *text, double value, const NumberPattern &p) {
    if (!std::isfinite(value))
        value = 0;
    // Round half away from zero on the decimal digits the pattern keeps.
    const double scale = powerOfTen(p.decimals);
    const double scaled = roundUnsigned(std::fabs(value) * scale);
    const double rounded = scaled / scale;
    // Below 1e15 units of the last decimal the rounded value is never a binary half-way case,
    // so the whole number of last-decimal units it was rounded to, written straight, gives the
    // digits Qt writes. Larger values take Qt's way.
    if (!(rounded * scale < 1e15) || p.decimals > 15 || p.minIntegerDigits > 32)
        return std::nullopt;
    const bool negative = value < 0 && rounded != 0;
    char digits[24];
    const auto units = static_cast<unsigned long long>(scaled);
    const char *end = std::to_chars(digits, digits + sizeof digits, units).ptr;
    const auto count = static_cast<std::size_t>(end - digits);
    const auto places = static_cast<std::size_t>(p.decimals);
    const std::size_t wholeCount = count > places ? count - places : 0;
    std::string_view whole = wholeCount > 0 ? std::string_view(digits, wholeCount) : "0";
    // A pattern without a zero before its point shows no lone zero there.
    if (whole == "0" && p.minIntegerDigits == 0)
        whole = {};
    const auto minimum = static_cast<std::size_t>(p.minIntegerDigits);
    const std::size_t padding = whole.size() < minimum ? minimum - whole.size() : 0;
    const std::size_t shown = padding + whole.size();

    char *out = text;
    if (negative)
        *out++ = '-';
    // Digits until the next group mark: the first group may be short.
    const bool grouped = p.group != 0 && shown > 3;
    std::size_t untilMark = grouped ? (shown % 3 == 0 ? 3 : shown % 3) : shown;
    for (std::size_t k = 0; k < shown; ++k) {
        if (untilMark == 0) {
            *out++ = p.group;
            untilMark = 3;
        }
        --untilMark;
        *out++ = k < padding ? '0' : whole[k - padding];
    }
    if (places > 0) {
        *out++ = '.';
        const std::size_t fraction = count - wholeCount;
        out = std::fill_n(out, places - fraction, '0');
        out = std::copy(end - fraction, end, out);
    }
    return static_cast<std::size_t>(out - text);
}

// The text Qt writes, for the values the quick way leaves.
QString formatLarge(double value, const NumberPattern &p) {
    if (!std::isfinite(value))
        value = 0;
    const double scale = powerOfTen(p.decimals);
    double rounded = roundUnsigned(std::fabs(value) * scale) / scale;
    if (!std::isfinite(rounded))
        rounded = std::fabs(value);
    const bool negative = value < 0 && rounded != 0;
    return formatWithQt(rounded, negative, p.decimals, p.minIntegerDigits,
                        p.group ? QChar(QLatin1Char(p.group)) : QChar());
}

} // namespace

QString formatPattern(double value, const NumberPattern &pattern) {
    char text[kQuickRoom];
    if (const std::optional<std::size_t> size = quickPattern(text, value, pattern))
        return QString::fromLatin1(text, static_cast<qsizetype>(*size));
    return formatLarge(value, pattern);
}

QString formatPattern(double value, QStringView pattern) {
    return formatPattern(value, readNumberPattern(pattern));
}

void appendPatternText(std::string &out, double value, const NumberPattern &pattern) {
    char text[kQuickRoom];
    if (const std::optional<std::size_t> size = quickPattern(text, value, pattern))
        out.append(text, *size);
    else
        out += formatLarge(value, pattern).toStdString();
}

double shownNumber(double value, int decimals) {
    // Zero, of either sign, shows as 0: most amounts of a statement are empty.
    if (value == 0 || !std::isfinite(value))
        return 0;
    // The text holds K / 10^d exactly for the whole number K the value rounds to, so reading it
    // back gives the double nearest K / 10^d: the quotient itself, which division rounds to
    // nearest. That holds while K is exact and the digits are formatted straight.
    const double scale = powerOfTen(decimals);
    const double rounded = roundUnsigned(std::fabs(value) * scale) / scale;
    if (decimals >= 0 && decimals <= 15 && rounded * scale < 1e15)
        return value < 0 && rounded != 0 ? -rounded : rounded;
    const QString pattern =
        decimals > 0 ? QStringLiteral("0.") + QString(decimals, u'0') : QStringLiteral("0");
    return leadingNumber(formatPattern(value, pattern));
}

QString plainNumber(double value) {
    if (!std::isfinite(value))
        return QStringLiteral("0");
    // Up to 15 significant digits (never more than ten decimals), as a plain decimal without
    // exponent or trailing zeros: a double holds no more, so more would show binary noise.
    const double magnitude = std::fabs(value);
    const int whole = magnitude >= 1 ? static_cast<int>(std::floor(std::log10(magnitude))) + 1 : 1;
    QString text = QString::number(value, 'f', std::clamp(15 - whole, 0, 10));
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}

} // namespace quillon
