#include "cli/Command.h"

#include "taxengine/DateText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

#include <QStringList>

namespace quillon::cli {

namespace {

int patternDecimals(const tax::FieldRange &range) {
    const char16_t *dot = range.pattern;
    while (*dot && *dot != u'.')
        ++dot;
    int decimals = 0;
    if (*dot)
        for (const char16_t *c = dot + 1; *c == u'0' || *c == u'#'; ++c)
            ++decimals;
    return decimals;
}

// The decimals of the figure as typed: its shortest exact decimal form.
int typedDecimals(double value) {
    if (const std::optional<long long> cents = wholeCents(value))
        return *cents % 100 == 0 ? 0 : *cents % 10 == 0 ? 1 : 2;
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (result.ec != std::errc())
        return 0;
    const char *dot = static_cast<const char *>(std::memchr(buffer, '.', result.ptr - buffer));
    return dot ? static_cast<int>(result.ptr - dot - 1) : 0;
}

QString describeRange(const tax::FieldRange &range) {
    const int decimals = patternDecimals(range);
    const QString span =
        QStringLiteral("from %1 to %2").arg(numberText(range.minimum), numberText(range.maximum));
    if (decimals == 0)
        return QStringLiteral("a whole number ") + span;
    return QStringLiteral("a number %1 with at most %2 decimal%3")
        .arg(span)
        .arg(decimals)
        .arg(decimals == 1 ? QString() : QStringLiteral("s"));
}

} // namespace

QString numberText(double value) {
    if (value == 0)
        return QStringLiteral("0");
    return QString::number(value, 'g', 15);
}

QString rangeProblem(const QString &key, double value, const tax::FieldRange &range) {
    if (std::isfinite(value) && value >= range.minimum && value <= range.maximum &&
        typedDecimals(value) <= patternDecimals(range))
        return {};
    const QString given = std::isfinite(value) ? numberText(value)
                          : std::isnan(value)  ? QStringLiteral("NaN")
                                               : QStringLiteral("infinite");
    return QStringLiteral("\"%1\" must be %2 (given: %3)").arg(key, describeRange(range), given);
}

InputReader::InputReader(const JsonInputValue &object, const std::vector<JsonKey> &keys)
    : m_object(object), m_keys(keys) {
    for (auto it = object.MemberBegin(); it != object.MemberEnd(); ++it) {
        const QLatin1String name(it->name.GetString(), it->name.GetStringLength());
        const auto known = std::find_if(keys.begin(), keys.end(), [&name](const JsonKey &k) {
            return k.name.size() == name.size() && k.name == name;
        });
        if (known == keys.end()) {
            fail(QStringLiteral("unknown key \"%1\"")
                     .arg(QString::fromUtf8(it->name.GetString(), it->name.GetStringLength())));
            return;
        }
        if (const auto index = static_cast<std::size_t>(known - keys.begin()); index < kTracked)
            m_present |= 1ULL << index;
    }
}

const JsonInputValue *InputReader::find(const QString &key) const {
    // Lengths first: most keys differ in length, and a length costs no call into Qt.
    for (auto it = m_object.MemberBegin(); it != m_object.MemberEnd(); ++it)
        if (it->name.GetStringLength() == static_cast<rapidjson::SizeType>(key.size()) &&
            key == QLatin1String(it->name.GetString(), it->name.GetStringLength()))
            return &it->value;
    return nullptr;
}

void InputReader::fail(const QString &message) {
    if (m_error.isEmpty())
        m_error = message;
}

double InputReader::number(const QString &key, const tax::FieldRange &range, double fallback) {
    const JsonInputValue *v = take(key);
    if (!v)
        return fallback;
    if (!v->IsNumber()) {
        fail(QStringLiteral("\"%1\" must be a number").arg(key));
        return fallback;
    }
    const double d = v->GetDouble();
    if (const QString problem = rangeProblem(key, d, range); !problem.isEmpty()) {
        fail(problem);
        return fallback;
    }
    return d;
}

std::int16_t InputReader::int16(const QString &key, const tax::FieldRange &range,
                                std::int16_t fallback) {
    const tax::FieldRange whole{u"0", std::max(range.minimum, -32768.0),
                                std::min(range.maximum, 32767.0)};
    return static_cast<std::int16_t>(number(key, whole, fallback));
}

double InputReader::choice(const QString &key, std::initializer_list<double> allowed,
                           double fallback) {
    return choice(key, std::span<const double>(allowed.begin(), allowed.size()), fallback);
}

double InputReader::choice(const QString &key, std::span<const double> allowed, double fallback) {
    const JsonInputValue *v = take(key);
    if (!v)
        return fallback;
    for (double a : allowed)
        if (v->IsNumber() && v->GetDouble() == a)
            return a;
    QStringList texts;
    for (double a : allowed)
        texts << numberText(a);
    fail(QStringLiteral("\"%1\" must be %2").arg(key, texts.join(QStringLiteral(" or "))));
    return fallback;
}

QDate InputReader::date(const QString &key, const QDate &fallback) {
    const JsonInputValue *v = take(key);
    if (!v)
        return fallback;
    QDate d;
    if (v->IsString()) {
        d = tax::plainDate(std::string_view(v->GetString(), v->GetStringLength()));
        if (!d.isValid()) {
            const QString s = QString::fromUtf8(v->GetString(), v->GetStringLength());
            d = QDate::fromString(s, QStringLiteral("dd/MM/yyyy"));
            if (!d.isValid())
                d = QDate::fromString(s, Qt::ISODate);
        }
    }
    if (!d.isValid()) {
        fail(QStringLiteral("\"%1\" must be a date written dd/mm/yyyy").arg(key));
        return fallback;
    }
    return d;
}

QString InputReader::text(const QString &key, const QString &fallback) {
    const JsonInputValue *v = take(key);
    if (!v)
        return fallback;
    if (!v->IsString()) {
        fail(QStringLiteral("\"%1\" must be a text").arg(key));
        return fallback;
    }
    return QString::fromUtf8(v->GetString(), v->GetStringLength());
}

QString InputReader::printedName(const QString &key) {
    const QString name = text(key);
    if (name.size() <= kPrintedNameMaxLength)
        return name;
    fail(QStringLiteral("\"%1\" may hold at most %2 characters")
             .arg(key)
             .arg(kPrintedNameMaxLength));
    return {};
}

bool InputReader::flag(const QString &key, bool fallback) {
    const JsonInputValue *v = take(key);
    if (!v)
        return fallback;
    if (!v->IsBool()) {
        fail(QStringLiteral("\"%1\" must be true or false").arg(key));
        return fallback;
    }
    return v->GetBool();
}

std::span<const JsonInputValue> InputReader::list(const QString &key) {
    const JsonInputValue *v = take(key);
    if (!v)
        return {};
    if (!v->IsArray()) {
        fail(QStringLiteral("\"%1\" must be a list").arg(key));
        return {};
    }
    return {v->Begin(), v->End()};
}

const Command *CommandRegistry::find(const QString &name) const {
    for (const Command &c : m_commands)
        if (c.name == name)
            return &c;
    return nullptr;
}

QString dateOut(const QDate &date) {
    return tax::dateText(date);
}

} // namespace quillon::cli
