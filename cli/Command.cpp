#include "cli/Command.h"

#include <cmath>
#include <limits>

namespace quillon::cli {

InputReader::InputReader(const QJsonObject &object, const std::vector<KeySpec> &keys)
    : m_object(object) {
    for (auto it = object.begin(); it != object.end(); ++it) {
        bool known = false;
        for (const KeySpec &k : keys)
            known = known || k.name == it.key();
        if (!known) {
            fail(QStringLiteral("unknown key \"%1\"").arg(it.key()));
            return;
        }
    }
}


void InputReader::fail(const QString &message) {
    if (m_error.isEmpty())
        m_error = message;
}

double InputReader::number(const QString &key, double fallback) {
    if (!ok() || !m_object.contains(key))
        return fallback;
    const QJsonValue v = m_object.value(key);
    if (!v.isDouble() || !std::isfinite(v.toDouble())) {
        fail(QStringLiteral("\"%1\" must be a number").arg(key));
        return fallback;
    }
    return v.toDouble();
}

std::int16_t InputReader::int16(const QString &key, std::int16_t fallback) {
    if (!ok() || !m_object.contains(key))
        return fallback;
    const QJsonValue v = m_object.value(key);
    const double d = v.toDouble();
    if (!v.isDouble() || d != std::floor(d) || d < std::numeric_limits<std::int16_t>::min() ||
        d > std::numeric_limits<std::int16_t>::max()) {
        fail(QStringLiteral("\"%1\" must be a whole number from -32768 to 32767").arg(key));
        return fallback;
    }
    return static_cast<std::int16_t>(d);
}

QDate InputReader::date(const QString &key, const QDate &fallback) {
    if (!ok() || !m_object.contains(key))
        return fallback;
    const QJsonValue v = m_object.value(key);
    const QString s = v.toString();
    QDate d = QDate::fromString(s, QStringLiteral("dd/MM/yyyy"));
    if (!d.isValid())
        d = QDate::fromString(s, Qt::ISODate);
    if (!v.isString() || !d.isValid()) {
        fail(QStringLiteral("\"%1\" must be a date written dd/mm/yyyy").arg(key));
        return fallback;
    }
    return d;
}

QString InputReader::text(const QString &key, const QString &fallback) {
    if (!ok() || !m_object.contains(key))
        return fallback;
    const QJsonValue v = m_object.value(key);
    if (!v.isString()) {
        fail(QStringLiteral("\"%1\" must be a text").arg(key));
        return fallback;
    }
    return v.toString();
}

bool InputReader::flag(const QString &key, bool fallback) {
    if (!ok() || !m_object.contains(key))
        return fallback;
    const QJsonValue v = m_object.value(key);
    if (!v.isBool()) {
        fail(QStringLiteral("\"%1\" must be true or false").arg(key));
        return fallback;
    }
    return v.toBool();
}

QJsonArray InputReader::list(const QString &key) {
    if (!ok() || !m_object.contains(key))
        return {};
    const QJsonValue v = m_object.value(key);
    if (!v.isArray()) {
        fail(QStringLiteral("\"%1\" must be a list").arg(key));
        return {};
    }
    return v.toArray();
}

const Command *CommandRegistry::find(const QString &name) const {
    for (const Command &c : m_commands)
        if (c.name == name)
            return &c;
    return nullptr;
}

QString dateOut(const QDate &date) { return date.toString(QStringLiteral("dd/MM/yyyy")); }

} // namespace quillon::cli
