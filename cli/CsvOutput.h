#pragma once

#include "cli/Command.h"

#include <QString>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::cli {

// Appends one CSV cell to `out`, in double quotes when it holds a comma, a quote or a line
// break (RFC 4180).
void appendCsvCell(std::string &out, std::string_view text);

// The columns of a command's CSV answers, fixed before the first answer so every row lines up
// whatever keys an answer leaves out: "line", then the declared output keys in their order,
// then "error". A nested object gives one column per key ("lookup.totalTax"). A list whose item
// keys the command declares ("schedule[].balance") gives one column per item key
// ("schedule.balance") and its items come as rows of their own under the answer's row, or on
// that row when the list holds a single item (company-car's one vehicle a row). Any other list
// (a record of the printout, the months' counts) stays one cell, written as JSON.
class CsvAnswerLayout {
public:
    // The keys inside nested objects, which the commands do not declare, are taken from
    // `sample`, an answer of the command (null when there is none).
    CsvAnswerLayout(const Command &command, const JsonInputValue *sample);

    // The header row, without its line break.
    std::string header() const;
    const std::vector<std::string> &headings() const { return m_headings; }
    // The rows answering input line `line`, each ended by a line break.
    void appendAnswer(std::string &out, std::int64_t line, const JsonInputValue &answer) const;
    void appendRefusal(std::string &out, std::int64_t line, const QString &reason) const;

private:
    struct Column {
        std::string key;
        std::string inner; // the key inside the object or the list's items, or empty
        bool item = false; // `key` is a list whose items fill the column
    };
    void addColumn(Column column);
    void appendRow(std::string &out, const std::vector<std::string> &cells) const;

    std::vector<Column> m_columns;
    std::vector<std::string> m_headings;
};

} // namespace quillon::cli
