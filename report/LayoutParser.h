#pragma once

#include "report/ReportLayout.h"

#include <QString>

#include <optional>

namespace quillon::report {

// Reads the text form of a report layout. The parser is strict: the first problem (an unknown
// word, a missing value, an item outside its band, bands too tall for the page) stops it, and
// the message names the line, so a bad layout is reported instead of half drawn.
class LayoutParser {
public:
    static std::optional<ReportLayout> parse(const QString &text, QString *error);
    // Reads the file; the error names the file and the line.
    static std::optional<ReportLayout> parseFile(const QString &path, QString *error);
};

} // namespace quillon::report
