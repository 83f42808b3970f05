#include "controls/NumericValidator.h"

#include <QLocale>

namespace quillon {

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Blanks that group thousands: space, no-break space, narrow no-break space, thin space.
bool isBlank(QChar c) {
    return c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F) || c == QChar(0x2009);
}

NumberReading refusal(const QString &reason) {
    return {NumberReading::Kind::Refused, 0, reason, false};
}

// Groups split by a "," or "." grouping mark: the first of 1 to 3 digits, the others of
// exactly 3 (the last may be shorter while it is still being typed).
bool groupsAreRegular(QStringView whole, QChar mark, bool *partial) {
    const QList<QStringView> groups = whole.split(mark);
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const qsizetype n = groups[i].size();
        if (i == 0 ? (n < 1 || n > 3) : n > 3)
            return false;
        if (i > 0 && n < 3) {
            if (i + 1 < groups.size())
                return false;
            *partial = true;
        }
    }
    return true;
}

} // namespace

const QString kGroupsInThrees = QStringLiteral("Unclear number: group thousands in threes.");

NumberReading readNumber(QStringView text, const NumberRules &rules) {
    QStringView t = text;
    while (!t.isEmpty() && (isBlank(t.front()) || t.front() == u'\t'))
        t = t.mid(1);
    while (!t.isEmpty() &&
           (isBlank(t.back()) || t.back() == u'\t' || t.back() == u'\n' || t.back() == u'\r'))
        t.chop(1);
    // A pasted amount may carry its currency.
    if (t.startsWith(u'R')) {
        t = t.mid(1);
        while (!t.isEmpty() && isBlank(t.front()))
            t = t.mid(1);
    }
    bool negative = false;
    if (!t.isEmpty() && (t.front() == u'-' || t.front() == u'+')) {
        if (!rules.allowMinus)
            return refusal(QStringLiteral("No sign: this field takes no negative amount."));
        negative = t.front() == u'-';
        t = t.mid(1);
    }

    QString body; // digits and the two marks, blanks dropped
    bool blankAfterMark = false;
    for (QChar c : t) {
        if (isDigit(c) || c == u'.' || c == u',') {
            body.append(c);
        } else if (isBlank(c)) {
            if (body.contains(u'.') || body.contains(u','))
                blankAfterMark = true;
        } else {
            return refusal(QStringLiteral("Only digits, one decimal comma or point, and blanks "
                                          "between thousands."));
        }
    }

    const qsizetype dots = body.count(u'.');
    const qsizetype commas = body.count(u',');
    QChar decimal;
    QChar group;
    if (dots && commas) {
        decimal = body.lastIndexOf(u'.') > body.lastIndexOf(u',') ? QChar(u'.') : QChar(u',');
        group = decimal == u'.' ? QChar(u',') : QChar(u'.');
        if (body.count(decimal) > 1 || body.lastIndexOf(group) > body.indexOf(decimal))
            return refusal(QStringLiteral("Unclear number: use one decimal separator."));
    } else if (dots > 1 || commas > 1) {
        group = dots ? QChar(u'.') : QChar(u',');
    } else if (dots || commas) {
        decimal = dots ? QChar(u'.') : QChar(u',');
    }

    const qsizetype point = decimal.isNull() ? body.size() : body.indexOf(decimal);
    QString whole = body.left(point);
    const QString fraction = decimal.isNull() ? QString() : body.mid(point + 1);
    if (!decimal.isNull() && rules.decimals == 0)
        return refusal(QStringLiteral("Whole numbers only in this field."));
    if (fraction.size() > rules.decimals)
        return refusal(QStringLiteral("At most %1 decimals in this field.").arg(rules.decimals));
    if (blankAfterMark && !decimal.isNull() && !fraction.isEmpty())
        return refusal(QStringLiteral("No blanks after the decimal separator."));

    bool partial = false;
    bool incompleteGroup = false;
    if (!group.isNull()) {
        bool shortGroup = false;
        if (!groupsAreRegular(whole, group, &shortGroup) || (shortGroup && !decimal.isNull()))
            return refusal(kGroupsInThrees);
        partial = partial || shortGroup;
        incompleteGroup = shortGroup;
        whole.remove(group);
    }

    qsizetype significant = 0;
    bool leading = true;
    for (QChar c : QString(whole + fraction)) {
        if (leading && c == u'0')
            continue;
        leading = false;
        ++significant;
    }
    if (significant > kMaxNumberDigits)
        return refusal(QStringLiteral("At most %1 digits.").arg(kMaxNumberDigits));

    if (whole.isEmpty() && fraction.isEmpty())
        partial = partial || negative || !decimal.isNull();
    if (!decimal.isNull() && fraction.isEmpty())
        partial = true;
    const QString plain = (whole.isEmpty() ? QStringLiteral("0") : whole) +
                          (fraction.isEmpty() ? QString() : QStringLiteral(".") + fraction);
    double value = QLocale::c().toDouble(plain);
    if (negative && value != 0)
        value = -value;
    return {partial ? NumberReading::Kind::Partial : NumberReading::Kind::Number,
            value,
            {},
            incompleteGroup};
}

} // namespace quillon
