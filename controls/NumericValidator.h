#pragma once

#include <QString>
#include <QStringView>
#include <QValidator>

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
        Number,  // a whole number as the text means it
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

// The field's validator: what reads as a number or the start of one is let through.
class NumericValidator : public QValidator {
    Q_OBJECT
public:
    explicit NumericValidator(const NumberRules &rules, QObject *parent = nullptr);

    void setRules(const NumberRules &rules) { m_rules = rules; }
    const NumberRules &rules() const { return m_rules; }

    State validate(QString &input, int &pos) const override;
    NumberReading read(QStringView text) const { return readNumber(text, m_rules); }

private:
    NumberRules m_rules;
};

} // namespace quillon
