#pragma once

#include "cli/Command.h"
#include "cli/LineStream.h"

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace quillon::cli {

// Reads CSV (RFC 4180: comma separated, cells in double quotes may hold commas, line breaks
// and doubled quotes) one record at a time through a LineReader, so memory stays flat.
class CsvReader {
public:
    explicit CsvReader(ReadFunction read) : m_lines(std::move(read)) {}

    enum class Status { Record, End, Failed };
    // The next record's cells. A record that cannot be read as CSV still comes back as a
    // Record, with problem() saying why, so the row can be refused in place.
    Status next(std::vector<std::string> &cells);
    const QString &problem() const { return m_problem; }
    // The input line the last record started on.
    std::int64_t lineNumber() const { return m_recordLine; }
    // Whether the next record may be read without waiting for input.
    bool lineBuffered() const { return m_lines.lineBuffered(); }

private:
    LineReader m_lines;
    QString m_problem;
    std::int64_t m_recordLine = 0;
};

// The meaning of the header's columns for one command: a column names an input key, or a key
// of the single item of a list input (company-car's vehicle keys fill "vehicles": one vehicle
// a row).
class CsvInputColumns {
public:
    // An empty error() when the header can be read.
    CsvInputColumns(const Command &command, const std::vector<std::string> &header);
    const QString &error() const { return m_error; }

    // Builds the input object of one row; an empty text when it is sound, else why the row is
    // refused. A blank cell leaves its key out.
    QString toJson(const std::vector<std::string> &cells, JsonDocument &document) const;

private:
    struct Column {
        std::string key;
        std::string list; // the list input whose single item holds the key, or empty
        KeyKind kind = KeyKind::Text;
    };
    std::vector<Column> m_columns;
    QString m_error;
};

} // namespace quillon::cli
