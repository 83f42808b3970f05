#pragma once

#include "report/ReportRecord.h"

#include <QString>
#include <QVariant>

#include <initializer_list>
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
    static JsonValue fromVariant(const QVariant &value);
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
    JsonObject() = default;
    JsonObject(std::initializer_list<Member> members);

    JsonObject &add(std::string_view key, const JsonValue &value);
    // The text of the whole object, braces included.
    std::string text() const { return m_body + '}'; }
    void appendTo(std::string &out) const {
        out += m_body;
        out += '}';
    }
    // The first key whose figure (or a figure inside it) is not finite; empty when every figure
    // is finite.
    const std::string &nonFinite() const { return m_nonFinite; }

    operator JsonValue() const;

private:
    std::string m_body = "{";
    std::string m_nonFinite;
};

class JsonList {
public:
    JsonList() = default;
    JsonList &append(const JsonValue &value);
    operator JsonValue() const;

private:
    std::string m_body = "[";
    bool m_finite = true;
};

// A report record as a list of {"field": name, "value": value} in the record's order, written
// straight into one text.
JsonValue reportRecordJson(const report::ReportRecord &record);

// Appends `text` as a JSON string, quoted and escaped, to `out`.
void appendJsonString(std::string &out, std::string_view utf8);

} // namespace quillon::cli
