#include "cli/JsonOutput.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace quillon::cli {

namespace {

// Writes a finite number in its shortest exact form: plain decimals (300000, not 3e+05) in the
// span amounts live in, the exponent form only for the very large and the very small. Returns
// the end of the text.
char *writeNumber(char *begin, char *end, double number) {
    const double magnitude = std::fabs(number);
    // Nearly every figure is whole rand or rand and cents. When the value is the double nearest
    // C / 100 for a whole C, the text of C / 100 reads back as the value, and below 1e13 (where
    // half a unit in the last place is under 0.005) no text with fewer digits does: so it is
    // the shortest form, written here without the general search.
    if (magnitude < 1e13 && !(number == 0 && std::signbit(number))) {
        const long long cents = std::llround(number * 100);
        if (static_cast<double>(cents) / 100 == number) {
            char *out = begin;
            if (cents < 0)
                *out++ = '-';
            const unsigned long long units = static_cast<unsigned long long>(std::llabs(cents));
            out = std::to_chars(out, end, units / 100).ptr;
            const auto fraction = static_cast<unsigned>(units % 100);
            if (fraction != 0) {
                *out++ = '.';
                *out++ = static_cast<char>('0' + fraction / 10);
                if (fraction % 10 != 0)
                    *out++ = static_cast<char>('0' + fraction % 10);
            }
            return out;
        }
    }
    const bool plain = magnitude == 0 || (magnitude >= 1e-6 && magnitude < 1e21);
    return plain ? std::to_chars(begin, end, number, std::chars_format::fixed).ptr
                 : std::to_chars(begin, end, number).ptr;
}

// A Qt text as a JSON string. Texts of plain ASCII (nearly all of them) are narrowed in place,
// without the temporary UTF-8 copy.
void appendQString(std::string &out, const QString &text) {
    const QChar *chars = text.constData();
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i)
        if (chars[i].unicode() >= 0x80) {
            const QByteArray utf8 = text.toUtf8();
            appendJsonString(out, std::string_view(utf8.constData(), utf8.size()));
            return;
        }
    thread_local std::string narrow;
    narrow.resize(static_cast<std::size_t>(size));
    for (qsizetype i = 0; i < size; ++i)
        narrow[static_cast<std::size_t>(i)] = static_cast<char>(chars[i].unicode());
    appendJsonString(out, narrow);
}

// A report field's value: figures as numbers, flags as true/false, anything else as its text.
// Returns false for a figure that is not finite (written as null).
bool appendVariant(std::string &out, const QVariant &value) {
    switch (value.typeId()) {
    case QMetaType::Bool:
        out += value.toBool() ? "true" : "false";
        return true;
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float: {
        const double number = value.toDouble();
        if (!std::isfinite(number)) {
            out += "null";
            return false;
        }
        char text[32];
        out.append(text, writeNumber(text, text + sizeof text, number));
        return true;
    }
    case QMetaType::QString:
        appendQString(out, *static_cast<const QString *>(value.constData()));
        return true;
    default:
        if (value.isNull())
            out += "null";
        else
            appendQString(out, value.toString());
        return true;
    }
}

} // namespace

void appendJsonString(std::string &out, std::string_view utf8) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    std::size_t run = 0; // start of the characters that need no escape
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto u = static_cast<unsigned char>(utf8[i]);
        if (u >= 0x20 && u != '"' && u != '\\')
            continue;
        out.append(utf8.data() + run, i - run);
        run = i + 1;
        out += '\\';
        switch (u) {
        case '"':
        case '\\':
            out += static_cast<char>(u);
            break;
        case '\n':
            out += 'n';
            break;
        case '\t':
            out += 't';
            break;
        case '\r':
            out += 'r';
            break;
        default:
            out += "u00";
            out += kHex[u >> 4];
            out += kHex[u & 15];
        }
    }
    out.append(utf8.data() + run, utf8.size() - run);
    out += '"';
}

JsonValue::JsonValue(double number) {
    if (!std::isfinite(number)) {
        m_text = "null";
        m_finite = false;
        return;
    }
    const char *end = writeNumber(m_number, m_number + sizeof m_number, number);
    m_numberSize = static_cast<unsigned char>(end - m_number);
}

JsonValue::JsonValue(int number) {
    const auto end = std::to_chars(m_number, m_number + sizeof m_number, number).ptr;
    m_numberSize = static_cast<unsigned char>(end - m_number);
}

JsonValue::JsonValue(bool flag) : m_text(flag ? "true" : "false") {}

JsonValue::JsonValue(const QString &text) {
    appendQString(m_text, text);
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
    JsonValue v;
    v.m_finite = appendVariant(v.m_text, value);
    return v;
}

JsonValue reportRecordJson(const report::ReportRecord &record) {
    std::string text = "[";
    text.reserve(record.size() * 48);
    bool finite = true;
    for (const report::ReportField &f : record) {
        text += text.size() > 1 ? ",{\"field\":" : "{\"field\":";
        appendQString(text, f.name);
        text += ",\"value\":";
        finite = appendVariant(text, f.value) && finite;
        text += '}';
    }
    text += ']';
    return JsonValue::raw(std::move(text), finite);
}

JsonObject::JsonObject(std::initializer_list<Member> members) {
    m_body.reserve(members.size() * 32);
    for (const Member &m : members)
        add(m.key, m.value);
}

JsonObject &JsonObject::add(std::string_view key, const JsonValue &value) {
    // Keys are this program's own names: plain ASCII, nothing to escape.
    if (m_body.size() > 1)
        m_body += ',';
    m_body += '"';
    m_body += key;
    m_body += "\":";
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
