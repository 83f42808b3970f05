#include "controls/NumericValidator.h"

namespace quillon {

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

NumericValidator::NumericValidator(const Rules &rules, QObject *parent)
    : QValidator(parent), m_rules(rules) {}

QValidator::State NumericValidator::validate(QString &input, int &) const {
    return accepts(input) ? Acceptable : Invalid;
}

bool NumericValidator::accepts(QStringView text) const {
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (i < n && text[i] == u'-') {
        if (!m_rules.allowMinus)
            return false;
        ++i;
    }
    int digits = 0;
    int decimals = 0;
    bool point = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (isDigit(c)) {
            if (++digits > kMaxDigits)
                return false;
            if (point && ++decimals > m_rules.decimals)
                return false;
        } else if (c == u'.' && !point && m_rules.decimals > 0) {
            point = true;
        } else if (!m_rules.group.isNull() && c == m_rules.group && !point) {
            // Grouping marks only between the digits of the whole part.
        } else {
            return false;
        }
    }
    return true;
}

QString NumericValidator::filter(QStringView text) const {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        out.append(c);
        if (!accepts(out))
            out.chop(1);
    }
    return out;
}

} // namespace quillon
