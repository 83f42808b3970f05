#pragma once

#include "report/RecordWriter.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace quillon::cli {

// One JSON value already written as compact text. Numbers are written in their shortest exact
// form; a number that is not finite is written as null and remembered, so the answer holding
// it can be refused instead of printed.
class JsonValue {
public:
    JsonValue(double number);
    JsonValue(int number);
    JsonValue(bool flag);
    JsonValue(const QString &text);
    JsonValue(const char *text);
    static JsonValue raw(std::string text, bool finite = true);

    std::string_view text() const {
        return m_numberSize ? std::string_view(m_number, m_numberSize) : m_text;
    }
    bool finite() const { return m_finite; }

private:
    JsonValue() = default;
    // Numbers are kept inline: a batch writes millions of them.
    char m_number[32];
    unsigned char m_numberSize = 0;
    std::string m_text;
    bool m_finite = true;
};

// Rooms that finished texts hand back for the next ones to take. A batch makes and drops a few
// texts a line, each too large for the allocator's own quick cache, so without this every line
// paid for them again.
class RoomStash {
public:
    using Room = std::unique_ptr<char[]>;
    // A room of at least `size`, the smallest one kept that fits, or a new one of `size`.
    static Room take(std::size_t size, std::size_t &capacity);
    static void give(Room room, std::size_t capacity);
};

// Text written at a cursor into room made ahead: each piece is a copy behind one check for
// room, where a string's own appends cost a call each. The room is not cleared first.
class JsonText {
public:
    JsonText(char first, std::size_t room) : m_text(RoomStash::take(room, m_capacity)) {
        m_text[0] = first;
    }
    JsonText(JsonText &&) = default;
    JsonText &operator=(JsonText &&) = default;
    ~JsonText() {
        if (m_text)
            RoomStash::give(std::move(m_text), m_capacity);
    }

    char *room(std::size_t size) {
        if (m_used + size > m_capacity)
            grow(m_used + size);
        return m_text.get() + m_used;
    }
    // Takes what was written into the room up to `end`.
    void wrote(const char *end) { m_used = static_cast<std::size_t>(end - m_text.get()); }
    void put(std::string_view text) {
        std::copy(text.begin(), text.end(), room(text.size()));
        m_used += text.size();
    }
    void put(char c) {
        *room(1) = c;
        ++m_used;
    }
    std::size_t size() const { return m_used; }
    // Back to the first character alone, keeping the room.
    void restart() { m_used = 1; }
    std::string_view view() const { return {m_text.get(), m_used}; }
    // The text with its closing character.
    std::string closed(char last) const {
        std::string text;
        text.reserve(m_used + 1);
        text += view();
        text += last;
        return text;
    }

private:
    void grow(std::size_t needed) {
        std::size_t capacity = 0;
        auto text = RoomStash::take(std::max(2 * m_capacity, needed), capacity);
        std::copy_n(m_text.get(), m_used, text.get());
        RoomStash::give(std::exchange(m_text, std::move(text)), m_capacity);
        m_capacity = capacity;
    }

    std::size_t m_capacity = 0;
    RoomStash::Room m_text;
    std::size_t m_used = 1;
};

class JsonList;

// A JSON object or list written straight into its text as members are added, in the order
// they are added.
class JsonObject {
public:
    struct Member {
        std::string_view key;
        JsonValue value;
    };
    JsonObject() = default;
    JsonObject(std::initializer_list<Member> members);

    JsonObject &add(std::string_view key, const JsonValue &value);
    JsonObject &addNumber(std::string_view key, double number);
    // The same with the member's frame, `,"key":`, written ahead for a key used on every line.
    JsonObject &addFramedNumber(std::string_view frame, double number);
    JsonObject &addText(std::string_view key, const QString &text);
    // A text of this program's own making: plain ASCII with nothing to escape.
    JsonObject &addAscii(std::string_view key, std::string_view text);
    JsonObject &addFlag(std::string_view key, bool flag);
    // Nested objects and lists are copied in once, with no value in between.
    JsonObject &add(std::string_view key, const JsonObject &object);
    JsonObject &add(std::string_view key, const JsonList &list);
    // A value already written as text but for its closing character `close`.
    JsonObject &addWritten(std::string_view key, std::string_view open, char close, bool finite);
    // Makes room for `total` characters in all at once.
    void reserve(std::size_t total) {
        if (total > m_body.size())
            m_body.room(total - m_body.size());
    }
    std::size_t size() const { return m_body.size(); }
    // Empties the object for reuse, keeping its room.
    void clear() {
        m_body.restart();
        m_nonFinite.clear();
    }
    // The text of the whole object, braces included.
    std::string text() const { return m_body.closed('}'); }
    void appendTo(std::string &out) const {
        out += m_body.view();
        out += '}';
    }
    // The first key whose figure (or a figure inside it) is not finite; empty when every figure
    // is finite.
    const std::string &nonFinite() const { return m_nonFinite; }

    operator JsonValue() const;

private:
    friend class JsonList;
    friend class JsonRecordSink;
    // Writes the key and its colon into `room`; returns where the value goes.
    char *writeKey(char *room, std::string_view key) const;
    // Room for a typical answer at once instead of growing through five copies.
    static constexpr std::size_t kStartSize = 512;
    static constexpr std::size_t kKeyFrame = 4; // the comma, the quotes and the colon
    JsonText m_body{'{', kStartSize};
    std::string m_nonFinite;
};

class JsonList {
public:
    explicit JsonList(std::size_t room = 256) : m_body('[', room) {}
    JsonList &append(const JsonValue &value);
    JsonList &append(const JsonObject &object);
    std::size_t size() const { return m_body.size(); }
    operator JsonValue() const;

private:
    friend class JsonObject;
    JsonText m_body;
    bool m_finite = true;
};

// The whole number of cents a figure is, when it is exactly rand and cents (the double nearest
// cents / 100) below 1e13: then the text of cents / 100 is its shortest exact form, and no text
// with fewer digits reads back as the figure (half a unit in the last place is under 0.005
// there). -0 is left out: it keeps its sign the general way.
inline std::optional<long long> wholeCents(double value) {
    if (!(std::fabs(value) < 1e13) || (value == 0 && std::signbit(value)))
        return std::nullopt;
    // Any whole number near value * 100 will do: only the exact check below decides.
    const double scaled = value * 100;
    const auto cents = static_cast<long long>(scaled < 0 ? scaled - 0.5 : scaled + 0.5);
    if (static_cast<double>(cents) / 100 != value)
        return std::nullopt;
    return cents;
}

// Room every caller makes for a figure's text, which is never longer than 25 characters.
inline constexpr std::size_t kFigureRoom = 32;

// Writes a finite figure other than +0 in its shortest exact form (see JsonValue) into `begin`,
// which has room for kFigureRoom characters; returns the end.
char *writeFigureText(char *begin, double number);

// The same for any finite figure, +0 written here: most figures of a statement are empty.
inline char *writeNumber(char *begin, double number) {
    if (number == 0 && !std::signbit(number)) {
        *begin = '0';
        return begin + 1;
    }
    return writeFigureText(begin, number);
}

// A report record's fields as a list of {"field": name, "value": value} in the record's order,
// figures as numbers and anything else as its text, written straight into an answer as the
// member `key` while the record's writer hands them over, without a report record or a copy in
// between.
class JsonRecordSink final : public report::FieldSink {
public:
    JsonRecordSink(JsonObject &answer, std::string_view key);
    void text(std::string_view field, std::string_view text) override;
    void string(std::string_view field, const QString &text) override;
    void number(std::string_view field, double value) override;
    // Closes the list once the last field is written.
    void finish();

private:
    // Room for the frame of a member around its name and value.
    static constexpr std::size_t kFieldFrame = 24;
    static constexpr std::string_view kFirst = "{\"field\":\"";
    static constexpr std::string_view kNext = ",{\"field\":\"";
    static constexpr std::string_view kValue = "\",\"value\":";
    // Writes the field's name into `room`; returns where its value goes.
    Q_ALWAYS_INLINE char *writeField(char *room, std::string_view field) const;
    JsonObject &m_answer;
    JsonText &m_text; // the answer's own
    std::string_view m_key;
    std::size_t m_start; // where the first field goes
    bool m_finite = true;
};

// Appends `text` as a JSON string, quoted and escaped, to `out`.
void appendJsonString(std::string &out, std::string_view utf8);

} // namespace quillon::cli
