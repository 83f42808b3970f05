#include "taxengine/NumberText.h"

#include <algorithm>

#include <cmath>
#include <cstdlib>
#include <string>

namespace quillon {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == QChar(0x00A0);
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
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

QString formatPattern(double value, QStringView pattern) {
    if (!std::isfinite(value))
        value = 0;
    const qsizetype pointAt = pattern.indexOf(u'.');
    const QStringView integerPart = pointAt < 0 ? pattern : pattern.left(pointAt);
    const QStringView fractionPart = pointAt < 0 ? QStringView() : pattern.mid(pointAt + 1);

    int decimals = 0;
    for (QChar c : fractionPart)
        if (c == u'0' || c == u'#')
            ++decimals;
    int minIntegerDigits = 0;
    QChar group;
    bool seenPlaceholder = false;
    for (QChar c : integerPart) {
        if (c == u'0')
            ++minIntegerDigits;
        if (c == u'0' || c == u'#')
            seenPlaceholder = true;
        else if ((c == u' ' || c == u',') && seenPlaceholder)
            group = c;
    }

    // Round half away from zero on the decimal digits the pattern keeps.
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(std::fabs(value) * scale) / scale;
    if (!std::isfinite(rounded))
        rounded = std::fabs(value);
    const bool negative = value < 0 && rounded != 0;

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
