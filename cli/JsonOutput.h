#pragma once

#include "report/RecordWriter.h"

#include <QString>

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

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

// A JSON object or list written straight into its text as members are added, in the order
// they are added.
class JsonObject {
public:
    struct Member {
        std::string_view key;
        JsonValue value;
    };
    JsonObject() { m_body.reserve(kStartSize); }
    JsonObject(std::initializer_list<Member> members);

    JsonObject &add(std::string_view key, const JsonValue &value);
    JsonObject &addNumber(std::string_view key, double number);
    // The text of the whole object, braces included.
    std::string text() const { return m_body + '}'; }
    void appendTo(std::string &out) const {
        out += m_body;
        out += '}';
    }
    // The first key whose figure (or a figure inside it) is not finite; empty when every figure
    // is finite.
    const std::string &nonFinite() const { return m_nonFinite; }

    operator JsonValue() const &;
    // A finished object handed on as a value gives up its text instead of copying it.
    operator JsonValue() &&;

private:
    // Writes the key and makes room for a value of `valueSize` characters; returns that room.
    char *openMember(std::string_view key, std::size_t valueSize);
    // Room for a typical answer at once instead of growing through five copies.
    static constexpr std::size_t kStartSize = 256;
    std::string m_body = "{";
    std::string m_nonFinite;
};

class JsonList {
public:
    JsonList() { m_body.reserve(256); }
    JsonList &append(const JsonValue &value);
    operator JsonValue() const &;
    operator JsonValue() &&;

private:
    std::string m_body = "[";
    bool m_finite = true;
};

// The whole number of cents a figure is, when it is exactly rand and cents (the double nearest
// cents / 100) below 1e13: then the text of cents / 100 is its shortest exact form.
std::optional<long long> wholeCents(double value);

// A report record's fields as a list of {"field": name, "value": value} in the record's order,
// figures as numbers and anything else as its text, written straight into one text as the record's
// writer hands them over, without a report record in between.
class JsonRecordSink final : public report::FieldSink {
public:
    JsonRecordSink();
    void text(std::string_view field, std::u16string_view text) override;
    void string(std::string_view field, const QString &text) override;
    void number(std::string_view field, double value) override;
    // The finished list.
    JsonValue take() &&;

private:
    static constexpr std::size_t kStartSize = 4096;
    static constexpr std::string_view kFirst = "{\"field\":\"";
    static constexpr std::string_view kNext = ",{\"field\":\"";
    static constexpr std::string_view kValue = "\",\"value\":";
    void open(std::string_view field);
    std::string m_text;
    bool m_finite = true;
};

// Appends `text` as a JSON string, quoted and escaped, to `out`.
void appendJsonString(std::string &out, std::string_view utf8);

} // namespace quillon::cli
