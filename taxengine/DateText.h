#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <string_view>

namespace quillon::tax {

// Dates as the calculators type and print them, dd/mm/yyyy. The batch tool meets them on every
// line, and Qt's parser and formatter go through the locale and the calendar each time, so the
// plain forms are read and written straight.

// dd/mm/yyyy or yyyy-mm-dd with a four-digit year from 1000, read as Qt's parsers read them.
// Anything else gives an invalid date, and the caller then asks Qt's parsers.
QDate plainDate(std::string_view text);
// dd/mm/yyyy alone, with the same four-digit year.
QDate typedDate(QStringView text);

// The date as dd/mm/yyyy.
QString dateText(const QDate &date);

} // namespace quillon::tax
