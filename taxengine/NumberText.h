#pragma once

#include <QString>
#include <QStringView>

#include <string>

namespace quillon {

// The number a field holds is the leading number of its text, the way the original input
// controls read it: blanks anywhere are skipped, then an optional sign, digits, a full stop
// and an exponent. Anything unreadable, empty or not finite gives 0.
double leadingNumber(QStringView text);

// Formats a value with one of the display patterns the windows and reports use:
// "0", "0.00", "0.000", "##", "# ### ### ##0.00", "### ### ##0.00", "#,##0.00" and the like.
// The full stop is always the decimal separator; a blank or comma between digit placeholders
// asks for thousands grouping with that character. Halves round away from zero.
QString formatPattern(double value, QStringView pattern);

// A display pattern's shape, read once for a pattern used on many figures.
struct NumberPattern {
    int decimals = 0;         // the places after the full stop
    int minIntegerDigits = 0; // the zeros before it: digits always shown
    char group = 0;           // the thousands mark, or none
};
NumberPattern readNumberPattern(QStringView pattern);
QString formatPattern(double value, const NumberPattern &pattern);
// formatPattern's text, which is plain ASCII, added to `out`.
void appendPatternText(std::string &out, double value, const NumberPattern &pattern);

// The number a field of `decimals` decimals (pattern "0.00" for two) shows for `value`, the
// leading number of formatPattern's text, without making the text.
double shownNumber(double value, int decimals);

// A number written plainly: no grouping, no trailing zeros (250000, 123456.5, 1.8).
QString plainNumber(double value);

} // namespace quillon
