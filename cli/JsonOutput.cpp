#include "cli/JsonOutput.h"

#include <charconv>
#include <cmath>

namespace quillon::cli {

void appendJsonString(std::string &out, std::string_view utf8) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (const char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (u < 0x20) {
            out += "\\u00";
            out += kHex[u >> 4];
            out += kHex[u & 15];
        } else {
            out += c;
        }
    }
    out += '"';
}

JsonValue::JsonValue(double number) {
    if (!std::isfinite(number)) {
        m_text = "null";
        m_finite = false;
        return;
    }
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, number).ptr;
    m_text.assign(buffer, end);
}

JsonValue::JsonValue(int number) {
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, number).ptr;
    m_text.assign(buffer, end);
}

JsonValue::JsonValue(bool flag) : m_text(flag ? "true" : "false") {}

JsonValue::JsonValue(const QString &text) {
    const QByteArray utf8 = text.toUtf8();
    appendJsonString(m_text, std::string_view(utf8.constData(), utf8.size()));
}

JsonValue::JsonValue(const char *text) {
    appendJsonString(m_text, text);
}

JsonValue JsonValue::raw(std::string text, bool finite) {
    JsonValue v;
    v.m_text = std::move(text);
    v.m_finite = finite;
    return v;
}

JsonValue JsonValue::fromVariant(const QVariant &value) {
    switch (value.typeId()) {
    case QMetaType::Bool:
        return JsonValue(value.toBool());
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return JsonValue(value.toDouble());
    default:
        if (value.isNull())
            return raw("null");
        return JsonValue(value.toString());
    }
}

JsonObject::JsonObject(std::initializer_list<Member> members) {
    for (const Member &m : members)
        add(m.key, m.value);
}

JsonObject &JsonObject::add(std::string_view key, const JsonValue &value) {
    if (m_body.size() > 1)
        m_body += ',';
    appendJsonString(m_body, key);
    m_body += ':';
    m_body += value.text();
    if (!value.finite() && m_nonFinite.empty())
        m_nonFinite = key;
    return *this;
}

JsonObject::operator JsonValue() const {
    return JsonValue::raw(text(), m_nonFinite.empty());
}

JsonList &JsonList::append(const JsonValue &value) {
    if (m_body.size() > 1)
        m_body += ',';
    m_body += value.text();
    m_finite = m_finite && value.finite();
    return *this;
}

JsonList::operator JsonValue() const {
    return JsonValue::raw(m_body + ']', m_finite);
}

} // namespace quillon::cli
