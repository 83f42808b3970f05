#pragma once

#include <QString>
#include <QStringView>

namespace quillon {

// How a number field reads what is typed or pasted into it. Either "," or "." may be the
// decimal separator; blanks (also no-break ones) group thousands, and so does a "," or "."
// that cannot be the decimal separator (it repeats, or the other one follows it). Anything the
// field cannot hold exactly is refused with a short reason, never read as another number: a
// letter, more decimals than the pattern shows, a decimal in a whole-number field, a sign where
// no negative value is allowed, more than 15 digits (the most a double holds exactly).
struct NumberRules {
    int decimals = 2;
    bool allowMinus = false;
};

struct NumberReading {
    enum class Kind {
        Number,  // a complete number, as the text means it
        Partial, // the start of one, still being typed ("12,", "-", "1 234 5")
        Refused,
    };
    Kind kind = Kind::Number;
    double value = 0;             // for a partial text, the number it stands for so far
    QString reason;               // for a refusal
    bool incompleteGroup = false; // "1,234,5": a partial text that cannot be committed as it is

    bool refused() const { return kind == Kind::Refused; }
};

inline constexpr int kMaxNumberDigits = 15;
extern const QString kGroupsInThrees;

NumberReading readNumber(QStringView text, const NumberRules &rules);

} // namespace quillon
