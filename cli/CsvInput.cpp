#include "cli/CsvInput.h"

#include <algorithm>
#include <charconv>

namespace quillon::cli {

namespace {

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A figure written as JSON writes it (a spreadsheet's plain export): digits with an optional
// sign, decimals and exponent; "inf", "nan" and group separators are not figures.
bool plainNumber(std::string_view text) {
    std::size_t i = text.starts_with('-') ? 1 : 0;
    const auto digits = [&] {
        const std::size_t from = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        return i > from;
    };
    if (!digits())
        return false;
    if (i < text.size() && text[i] == '.' && (++i, !digits()))
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (!digits())
            return false;
    }
    return i == text.size();
}

bool equalsIgnoringCase(std::string_view text, std::string_view word) {
    if (text.size() != word.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((text[i] | 0x20) != word[i])
            return false;
    return true;
}

// The JSON value a cell stands for, by the kind of its key. A cell that does not read as its
// kind stays text, so the command refuses it with its own message.
QString cellValue(std::string_view cell, const std::string &key, KeyKind kind,
                  JsonDocument &document, JsonInputValue &value) {
    auto &allocator = document.GetAllocator();
    const std::string_view bare = trimmed(cell);
    switch (kind) {
    case KeyKind::Number:
    case KeyKind::Integer:
        if (plainNumber(bare)) {
            std::int64_t whole = 0;
            const char *end = bare.data() + bare.size();
            if (bare.find_first_of(".eE") == std::string_view::npos &&
                std::from_chars(bare.data(), end, whole).ec == std::errc()) {
                value.SetInt64(whole);
                return {};
            }
            double d = 0;
            if (std::from_chars(bare.data(), end, d).ec == std::errc()) {
                value.SetDouble(d);
                return {};
            }
        }
        break;
    case KeyKind::Flag:
        // Spreadsheets write TRUE and FALSE.
        if (equalsIgnoringCase(bare, "true") || equalsIgnoringCase(bare, "false")) {
            value.SetBool(equalsIgnoringCase(bare, "true"));
            return {};
        }
        break;
    case KeyKind::Date:
        value.SetString(bare.data(), static_cast<rapidjson::SizeType>(bare.size()), allocator);
        return {};
    case KeyKind::List:
    case KeyKind::Object: {
        // A nested value is written in the cell as JSON.
        const std::string wrapped = "{\"v\":" + std::string(cell) + '}';
        JsonDocument nested;
        if (!parseObject(wrapped, nested).isEmpty())
            return QStringLiteral("\"%1\" must be written as JSON, such as %2")
                .arg(QString::fromStdString(key), kind == KeyKind::List
                                                      ? QStringLiteral("[1,2,3]")
                                                      : QStringLiteral("{\"key\":1}"));
        value.CopyFrom(nested["v"], allocator);
        return {};
    }
    case KeyKind::Text:
        break;
    }
    value.SetString(cell.data(), static_cast<rapidjson::SizeType>(cell.size()), allocator);
    return {};
}

} // namespace

CsvReader::Status CsvReader::next(std::vector<std::string> &cells) {
    enum class State { CellStart, Plain, Quoted, QuoteInQuoted };
    cells.clear();
    m_problem.clear();
    State state = State::CellStart;
    std::string cell;
    qsizetype size = 0;
    bool started = false;
    std::string_view line;
    for (;;) {
        const LineReader::Status status = m_lines.next(line);
        if (status == LineReader::Status::Failed)
            return Status::Failed;
        if (status == LineReader::Status::End) {
            if (!started)
                return Status::End;
            m_problem = QStringLiteral("a quoted cell is not closed");
            cells.push_back(std::move(cell));
            return Status::Record;
        }
        if (!started) {
            started = true;
            m_recordLine = m_lines.lineNumber();
        }
        size += static_cast<qsizetype>(line.size()) + 1;
        if (status == LineReader::Status::TooLong || size > LineReader::kMaxLine) {
            m_problem = QStringLiteral("the row is longer than %1 bytes").arg(LineReader::kMaxLine);
            return Status::Record;
        }
        for (char c : line) {
            switch (state) {
            case State::CellStart:
                if (c == '"') {
                    state = State::Quoted;
                    break;
                }
                state = State::Plain;
                [[fallthrough]];
            case State::Plain:
                if (c == ',') {
                    cells.push_back(std::move(cell));
                    cell.clear();
                    state = State::CellStart;
                } else {
                    if (c == '"' && m_problem.isEmpty())
                        m_problem = QStringLiteral("cell %1 holds a quote but does not start "
                                                   "with one")
                                        .arg(cells.size() + 1);
                    cell += c;
                }
                break;
            case State::Quoted:
                if (c == '"')
                    state = State::QuoteInQuoted;
                else
                    cell += c;
                break;
            case State::QuoteInQuoted:
                if (c == '"') {
                    cell += c;
                    state = State::Quoted;
                } else if (c == ',') {
                    cells.push_back(std::move(cell));
                    cell.clear();
                    state = State::CellStart;
                } else {
                    if (m_problem.isEmpty())
                        m_problem = QStringLiteral("cell %1 goes on after its closing quote")
                                        .arg(cells.size() + 1);
                    cell += c;
                    state = State::Plain;
                }
                break;
            }
        }
        if (state == State::Quoted) {
            // A line break inside quotes belongs to the cell.
            cell += '\n';
            continue;
        }
        cells.push_back(std::move(cell));
        return Status::Record;
    }
}

CsvInputColumns::CsvInputColumns(const Command &command, const std::vector<std::string> &header) {
    for (std::size_t i = 0; i < header.size(); ++i) {
        Column column;
        column.key = std::string(trimmed(header[i]));
        const QString name = QString::fromStdString(column.key);
        bool found = false;
        for (const JsonKey &k : command.inputs)
            if (k.name == name) {
                column.kind = k.kind;
                found = true;
            }
        // Not a key of its own: the key of a list's item ("price" or "vehicles.price" for
        // "vehicles[].price").
        for (const JsonKey &k : command.inputs) {
            const qsizetype items = k.name.indexOf(QLatin1String("[]."));
            if (found || items < 0)
                continue;
            const QString list = k.name.left(items);
            const QString item = k.name.mid(items + 3);
            if (name == item || name == list + u'.' + item) {
                column = {item.toStdString(), list.toStdString(), k.kind};
                found = true;
            }
        }
        for (std::size_t j = 0; j < i && !column.key.empty(); ++j) {
            const Column &other = m_columns[j];
            if ((other.key == column.key && other.list == column.list) ||
                (!column.list.empty() && other.key == column.list && other.list.empty()) ||
                (!other.list.empty() && column.key == other.list && column.list.empty()))
                m_error =
                    QStringLiteral("the header gives \"%1\" twice (columns %2 and %3)")
                        .arg(QString::fromStdString(column.list.empty() ? column.key : column.list))
                        .arg(j + 1)
                        .arg(i + 1);
        }
        if (!m_error.isEmpty())
            return;
        m_columns.push_back(std::move(column));
    }
}

QString CsvInputColumns::toJson(const std::vector<std::string> &cells,
                                JsonDocument &document) const {
    document.SetObject();
    auto &allocator = document.GetAllocator();
    // The items of lists filled a row at a time, in the order their first column comes.
    std::vector<std::pair<std::string, JsonInputValue>> items;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (trimmed(cells[i]).empty())
            continue;
        if (i >= m_columns.size())
            return QStringLiteral("the row has more cells than the header has keys");
        const Column &column = m_columns[i];
        if (column.key.empty())
            return QStringLiteral("cell %1 stands under a blank heading").arg(i + 1);
        JsonInputValue value;
        if (QString problem = cellValue(cells[i], column.key, column.kind, document, value);
            !problem.isEmpty())
            return problem;
        JsonInputValue name(column.key.data(), static_cast<rapidjson::SizeType>(column.key.size()),
                            allocator);
        if (column.list.empty()) {
            document.AddMember(name, value, allocator);
            continue;
        }
        auto item = std::find_if(items.begin(), items.end(),
                                 [&](const auto &entry) { return entry.first == column.list; });
        if (item == items.end())
            item = items.insert(items.end(), {column.list, JsonInputValue(rapidjson::kObjectType)});
        item->second.AddMember(name, value, allocator);
    }
    for (auto &[list, item] : items) {
        JsonInputValue one(rapidjson::kArrayType);
        one.PushBack(item, allocator);
        document.AddMember(
            JsonInputValue(list.data(), static_cast<rapidjson::SizeType>(list.size()), allocator),
            one, allocator);
    }
    return {};
}

} // namespace quillon::cli
