#include "cli/CsvOutput.h"

#include "cli/JsonOutput.h"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <charconv>

namespace quillon::cli {

namespace {

std::string_view memberName(const JsonInputValue &name) {
    return {name.GetString(), name.GetStringLength()};
}

const JsonInputValue *member(const JsonInputValue &object, std::string_view key) {
    if (!object.IsObject())
        return nullptr;
    for (auto it = object.MemberBegin(); it != object.MemberEnd(); ++it)
        if (memberName(it->name) == key)
            return &it->value;
    return nullptr;
}

// A value as its cell shows it: figures as the JSON answer writes them, texts as they are,
// anything nested as compact JSON.
std::string cellText(const JsonInputValue *value) {
    if (!value || value->IsNull())
        return {};
    if (value->IsBool())
        return value->GetBool() ? "true" : "false";
    if (value->IsString())
        return {value->GetString(), value->GetStringLength()};
    if (value->IsInt64())
        return std::to_string(value->GetInt64());
    if (value->IsUint64())
        return std::to_string(value->GetUint64());
    if (value->IsNumber())
        return std::string(JsonValue(value->GetDouble()).text());
    rapidjson::StringBuffer buffer;
    rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
    value->Accept(writer);
    return {buffer.GetString(), buffer.GetSize()};
}

} // namespace

void appendCsvCell(std::string &out, std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

CsvAnswerLayout::CsvAnswerLayout(const Command &command, const JsonInputValue *sample) {
    addColumn({"line", {}, false});
    for (const JsonKey &k : command.outputs) {
        const std::string key = k.name.toStdString();
        if (key.find("[].") != std::string::npos)
            continue; // an item key, placed with its list
        const JsonInputValue *example = sample ? member(*sample, key) : nullptr;
        bool nested = false;
        if (k.kind == KeyKind::List) {
            const std::string prefix = key + "[].";
            for (const JsonKey &itemKey : command.outputs)
                if (itemKey.name.startsWith(QString::fromStdString(prefix))) {
                    addColumn({key, itemKey.name.toStdString().substr(prefix.size()), true});
                    nested = true;
                }
        } else if (k.kind == KeyKind::Object && example && example->IsObject()) {
            for (auto it = example->MemberBegin(); it != example->MemberEnd(); ++it)
                addColumn({key, std::string(memberName(it->name)), false});
            nested = true;
        }
        if (!nested)
            addColumn({key, {}, false});
    }
    // A key the answer carries but the command does not declare still gets its column.
    if (sample && sample->IsObject())
        for (auto it = sample->MemberBegin(); it != sample->MemberEnd(); ++it) {
            const std::string key(memberName(it->name));
            bool placed = false;
            for (const Column &c : m_columns)
                placed = placed || c.key == key;
            if (!placed)
                addColumn({key, {}, false});
        }
    addColumn({"error", {}, false});
}

void CsvAnswerLayout::addColumn(Column column) {
    m_headings.push_back(column.inner.empty() ? column.key : column.key + '.' + column.inner);
    m_columns.push_back(std::move(column));
}

std::string CsvAnswerLayout::header() const {
    std::string text;
    for (std::size_t i = 0; i < m_headings.size(); ++i) {
        if (i > 0)
            text += ',';
        appendCsvCell(text, m_headings[i]);
    }
    return text;
}

void CsvAnswerLayout::appendRow(std::string &out, const std::vector<std::string> &cells) const {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            out += ',';
        appendCsvCell(out, cells[i]);
    }
    out += '\n';
}

void CsvAnswerLayout::appendAnswer(std::string &out, std::int64_t line,
                                   const JsonInputValue &answer) const {
    std::vector<std::string> cells(m_columns.size());
    const std::string number = std::to_string(line);
    cells.front() = number;
    // The lists whose items take rows of their own, in the order of their first column.
    std::vector<const std::string *> ownRows;
    for (std::size_t i = 1; i + 1 < m_columns.size(); ++i) {
        const Column &c = m_columns[i];
        const JsonInputValue *value = member(answer, c.key);
        if (c.item) {
            if (value && value->IsArray() && value->Size() == 1)
                cells[i] = cellText(member((*value)[0], c.inner));
            else if (value && value->IsArray() && value->Size() > 1 &&
                     (ownRows.empty() || *ownRows.back() != c.key))
                ownRows.push_back(&c.key);
        } else {
            cells[i] = cellText(c.inner.empty() ? value
                                : value         ? member(*value, c.inner)
                                                : nullptr);
        }
    }
    appendRow(out, cells);
    for (const std::string *list : ownRows)
        for (const JsonInputValue &item : member(answer, *list)->GetArray()) {
            std::vector<std::string> row(m_columns.size());
            row.front() = number;
            for (std::size_t i = 1; i + 1 < m_columns.size(); ++i)
                if (m_columns[i].item && m_columns[i].key == *list)
                    row[i] = cellText(member(item, m_columns[i].inner));
            appendRow(out, row);
        }
}

void CsvAnswerLayout::appendRefusal(std::string &out, std::int64_t line,
                                    const QString &reason) const {
    std::vector<std::string> cells(m_columns.size());
    cells.front() = std::to_string(line);
    cells.back() = reason.toStdString();
    appendRow(out, cells);
}

} // namespace quillon::cli
