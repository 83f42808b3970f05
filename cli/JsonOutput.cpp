#include "cli/JsonOutput.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace quillon::cli {

namespace {

// Copies a name or a frame piece as at most two overlapping moves of a fixed size: for the few
// bytes of a key a call to memcpy costs more than the copy.
char *copyShort(char *out, std::string_view piece) {
    const std::size_t n = piece.size();
    const char *from = piece.data();
    if (n >= 8 && n <= 16) {
        std::memcpy(out, from, 8);
        std::memcpy(out + n - 8, from + n - 8, 8);
    } else if (n > 16 && n <= 32) {
        std::memcpy(out, from, 16);
        std::memcpy(out + n - 16, from + n - 16, 16);
    } else if (n >= 4 && n < 8) {
        std::memcpy(out, from, 4);
        std::memcpy(out + n - 4, from + n - 4, 4);
    } else {
        std::memcpy(out, from, n);
    }
    return out + n;
}

// "00" to "99", for writing whole numbers two digits at a time.
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
        pairs[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

template <class Unsigned> int digitCount(Unsigned v) {
    int count = 1;
    for (; v >= 10000; v /= 10000)
        count += 4;
    return count + (v >= 10) + (v >= 100) + (v >= 1000);
}

// The decimal digits of `v`, two at a time from the end; returns the end.
template <class Unsigned> char *writeDigits(char *out, Unsigned v) {
    char *const end = out + digitCount(v);
    char *at = end;
    while (v >= 100) {
        at -= 2;
        std::memcpy(at, &kDigitPairs[2 * (v % 100)], 2);
        v /= 100;
    }
    if (v >= 10) {
        at -= 2;
        std::memcpy(at, &kDigitPairs[2 * v], 2);
    } else {
        *--at = static_cast<char>('0' + v);
    }
    return end;
}

// Most amounts fit 32 bits, whose divisions by constants cost less.
char *writeWhole(char *out, std::uint64_t v) {
    return v <= UINT32_MAX ? writeDigits(out, static_cast<std::uint32_t>(v)) : writeDigits(out, v);
}

// Writes a finite number other than +0 in its shortest exact form: plain decimals (300000, not
// 3e+05) in the span amounts live in, the exponent form only for the very large and the very
// small. Returns the end of the text.
char *writeFigure(char *begin, char *end, double number) {
    const double magnitude = std::fabs(number);
    if (number != 0 && magnitude < 1e15 &&
        number == static_cast<double>(static_cast<long long>(number))) {
        if (number < 0)
            *begin++ = '-';
        return writeWhole(begin, static_cast<std::uint64_t>(magnitude));
    }
    if (const std::optional<long long> cents = wholeCents(number)) {
        char *out = begin;
        if (*cents < 0)
            *out++ = '-';
        const auto units = static_cast<std::uint64_t>(std::llabs(*cents));
        out = writeWhole(out, units / 100);
        const auto fraction = static_cast<unsigned>(units % 100);
        if (fraction != 0) {
            *out++ = '.';
            *out++ = static_cast<char>('0' + fraction / 10);
            if (fraction % 10 != 0)
                *out++ = static_cast<char>('0' + fraction % 10);
        }
        return out;
    }
    const bool plain = magnitude == 0 || (magnitude >= 1e-6 && magnitude < 1e21);
    // The shortest digits are the same in either form, and the general search is the quicker
    // one; only where it chose the exponent form is the fixed one asked for.
    char *out = std::to_chars(begin, end, number).ptr;
    // In that span an exponent has two digits, so the exponent form ends in e+dd or e-dd.
    if (plain && out - begin > 4 && out[-4] == 'e')
        out = std::to_chars(begin, end, number, std::chars_format::fixed).ptr;
    return out;
}

// A figure written lately and its text.
struct RecentFigure {
    std::uint64_t bits = 0; // never +0, which is written before the figures are looked up
    std::array<char, kFigureRoom> text{};
    std::size_t size = 0;
};

// A text of this program's own making: plain ASCII with nothing a JSON string escapes.
[[maybe_unused]] bool ownText(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c >= 0x20 && c != '"' && c != '\\'; });
}

// Plain ASCII with nothing to escape: nearly every text, which is narrowed straight.
bool plainAscii(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char16_t c) { return c >= 0x20 && c < 0x80 && c != u'"' && c != u'\\'; });
}

// Writes plain ASCII as a quoted JSON string at `out`; returns the end.
char *putPlain(std::u16string_view text, char *out) {
    *out++ = '"';
    out = std::transform(text.begin(), text.end(), out,
                         [](char16_t c) { return static_cast<char>(c); });
    *out++ = '"';
    return out;
}

// UTF-16 text as a JSON string.
void appendUtf16(std::string &out, std::u16string_view text) {
    if (!plainAscii(text)) {
        const QByteArray utf8 =
            QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())).toUtf8();
        appendJsonString(out, std::string_view(utf8.constData(), utf8.size()));
        return;
    }
    const std::size_t start = out.size();
    out.resize(start + text.size() + 2);
    putPlain(text, out.data() + start);
}

void appendQString(std::string &out, const QString &text) {
    appendUtf16(out, {reinterpret_cast<const char16_t *>(text.constData()),
                      static_cast<std::size_t>(text.size())});
}

// Writes `text` as a JSON string at the cursor.
void putUtf16(JsonText &out, std::u16string_view text) {
    if (!plainAscii(text)) {
        std::string escaped;
        appendUtf16(escaped, text);
        out.put(escaped);
        return;
    }
    out.wrote(putPlain(text, out.room(text.size() + 2)));
}

// A few rooms are enough: a line's answer holds at most a handful of texts at once.
constexpr std::size_t kStashedRooms = 8;

struct Stashed {
    RoomStash::Room room;
    std::size_t capacity = 0;
};

// Each thread keeps its own, so texts made on one never wait for another.
std::array<Stashed, kStashedRooms> &stash() {
    thread_local std::array<Stashed, kStashedRooms> rooms;
    return rooms;
}

} // namespace

char *writeFigureText(char *begin, double number) {
    // An answer repeats many of its figures (the UIF in both columns, the tax due as the
    // deduction, the taxable income in the lookup), so the texts of figures written lately are
    // kept by their bits and copied back whole.
    thread_local std::array<RecentFigure, 64> recent;
    const auto bits = std::bit_cast<std::uint64_t>(number);
    RecentFigure &slot = recent[(bits * 0x9E3779B97F4A7C15ULL) >> 58];
    if (slot.bits == bits) {
        std::memcpy(begin, slot.text.data(), kFigureRoom);
        return begin + slot.size;
    }
    char *const written = writeFigure(begin, begin + kFigureRoom, number);
    slot.bits = bits;
    slot.size = static_cast<std::size_t>(written - begin);
    std::memcpy(slot.text.data(), begin, kFigureRoom);
    return written;
}

RoomStash::Room RoomStash::take(std::size_t size, std::size_t &capacity) {
    Stashed *best = nullptr;
    for (Stashed &s : stash())
        if (s.room && s.capacity >= size && (!best || s.capacity < best->capacity))
            best = &s;
    if (!best) {
        capacity = size;
        return std::make_unique_for_overwrite<char[]>(size);
    }
    capacity = best->capacity;
    return std::move(best->room);
}

void RoomStash::give(Room room, std::size_t capacity) {
    // An empty place first; else the smallest room kept gives way to a larger one.
    Stashed *place = nullptr;
    for (Stashed &s : stash()) {
        if (!s.room) {
            place = &s;
            break;
        }
        if (s.capacity < capacity && (!place || s.capacity < place->capacity))
            place = &s;
    }
    if (place)
        *place = {std::move(room), capacity};
}

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
    const char *end = writeNumber(m_number, number);
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

JsonRecordSink::JsonRecordSink(JsonObject &answer, std::string_view key)
    : m_answer(answer), m_text(answer.m_body), m_key(key) {
    char *out = answer.writeKey(m_text.room(key.size() + JsonObject::kKeyFrame + 1), key);
    *out++ = '[';
    m_text.wrote(out);
    m_start = m_text.size();
}

void JsonRecordSink::finish() {
    m_text.put(']');
    if (!m_finite && m_answer.m_nonFinite.empty())
        m_answer.m_nonFinite = m_key;
}

char *JsonRecordSink::writeField(char *room, std::string_view field) const {
    // Field names are this program's own: plain ASCII, nothing to escape. The frame's pieces
    // are copied at their fixed sizes, which the compiler writes inline.
    if (m_text.size() > m_start)
        room = std::copy(kNext.begin(), kNext.end(), room);
    else
        room = std::copy(kFirst.begin(), kFirst.end(), room);
    room = copyShort(room, field);
    return std::copy(kValue.begin(), kValue.end(), room);
}

void JsonRecordSink::text(std::string_view field, std::string_view text) {
    Q_ASSERT(ownText(text));
    char *out = writeField(m_text.room(field.size() + kFieldFrame + text.size()), field);
    *out++ = '"';
    out = std::copy(text.begin(), text.end(), out);
    *out++ = '"';
    *out++ = '}';
    m_text.wrote(out);
}

void JsonRecordSink::string(std::string_view field, const QString &text) {
    m_text.wrote(writeField(m_text.room(field.size() + kFieldFrame), field));
    putUtf16(m_text, {reinterpret_cast<const char16_t *>(text.constData()),
                      static_cast<std::size_t>(text.size())});
    m_text.put('}');
}

void JsonRecordSink::number(std::string_view field, double value) {
    char *out = writeField(m_text.room(field.size() + kFieldFrame + kFigureRoom), field);
    if (std::isfinite(value)) {
        out = writeNumber(out, value);
    } else {
        out = std::copy_n("null", 4, out);
        m_finite = false;
    }
    *out++ = '}';
    m_text.wrote(out);
}

JsonObject::JsonObject(std::initializer_list<Member> members) {
    for (const Member &m : members)
        add(m.key, m.value);
}

char *JsonObject::writeKey(char *room, std::string_view key) const {
    // Keys are this program's own names: plain ASCII, nothing to escape.
    if (m_body.size() > 1)
        *room++ = ',';
    *room++ = '"';
    room = copyShort(room, key);
    *room++ = '"';
    *room++ = ':';
    return room;
}

JsonObject &JsonObject::add(std::string_view key, const JsonValue &value) {
    const std::string_view text = value.text();
    char *out = writeKey(m_body.room(key.size() + kKeyFrame + text.size()), key);
    m_body.wrote(std::copy(text.begin(), text.end(), out));
    if (!value.finite() && m_nonFinite.empty())
        m_nonFinite = key;
    return *this;
}

JsonObject &JsonObject::addNumber(std::string_view key, double number) {
    if (!std::isfinite(number))
        return add(key, JsonValue(number));
    char *out = writeKey(m_body.room(key.size() + kKeyFrame + kFigureRoom), key);
    m_body.wrote(writeNumber(out, number));
    return *this;
}

JsonObject &JsonObject::addFramedNumber(std::string_view frame, double number) {
    if (!std::isfinite(number))
        return add(frame.substr(2, frame.size() - 4), JsonValue(number));
    if (m_body.size() == 1)
        frame.remove_prefix(1); // no comma before the first member
    char *out = copyShort(m_body.room(frame.size() + kFigureRoom), frame);
    m_body.wrote(writeNumber(out, number));
    return *this;
}

JsonObject &JsonObject::addFlag(std::string_view key, bool flag) {
    const std::string_view text = flag ? "true" : "false";
    char *out = writeKey(m_body.room(key.size() + kKeyFrame + text.size()), key);
    m_body.wrote(std::copy(text.begin(), text.end(), out));
    return *this;
}

JsonObject &JsonObject::addText(std::string_view key, const QString &text) {
    m_body.wrote(writeKey(m_body.room(key.size() + kKeyFrame), key));
    putUtf16(m_body, {reinterpret_cast<const char16_t *>(text.constData()),
                      static_cast<std::size_t>(text.size())});
    return *this;
}

JsonObject &JsonObject::addAscii(std::string_view key, std::string_view text) {
    Q_ASSERT(ownText(text));
    char *out = writeKey(m_body.room(key.size() + kKeyFrame + text.size() + 2), key);
    *out++ = '"';
    out = std::copy(text.begin(), text.end(), out);
    *out++ = '"';
    m_body.wrote(out);
    return *this;
}

JsonObject &JsonObject::addWritten(std::string_view key, std::string_view open, char close,
                                   bool finite) {
    char *out = writeKey(m_body.room(key.size() + kKeyFrame + open.size() + 1), key);
    out = std::copy(open.begin(), open.end(), out);
    *out++ = close;
    m_body.wrote(out);
    if (!finite && m_nonFinite.empty())
        m_nonFinite = key;
    return *this;
}

JsonObject &JsonObject::add(std::string_view key, const JsonObject &object) {
    return addWritten(key, object.m_body.view(), '}', object.m_nonFinite.empty());
}

JsonObject &JsonObject::add(std::string_view key, const JsonList &list) {
    return addWritten(key, list.m_body.view(), ']', list.m_finite);
}

JsonObject::operator JsonValue() const {
    return JsonValue::raw(text(), m_nonFinite.empty());
}

JsonList &JsonList::append(const JsonValue &value) {
    if (m_body.size() > 1)
        m_body.put(',');
    m_body.put(value.text());
    m_finite = m_finite && value.finite();
    return *this;
}

JsonList &JsonList::append(const JsonObject &object) {
    const std::string_view body = object.m_body.view();
    char *out = m_body.room(body.size() + 2);
    if (m_body.size() > 1)
        *out++ = ',';
    out = std::copy(body.begin(), body.end(), out);
    *out++ = '}';
    m_body.wrote(out);
    m_finite = m_finite && object.m_nonFinite.empty();
    return *this;
}

JsonList::operator JsonValue() const {
    return JsonValue::raw(m_body.closed(']'), m_finite);
}

} // namespace quillon::cli
