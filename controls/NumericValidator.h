#pragma once

#include <QChar>
#include <QString>
#include <QValidator>

namespace quillon {

// Lets through only text whose leading number is exactly what the user sees: digits, grouping
// blanks (or commas) where the display pattern groups, one full stop, a leading minus when
// negative values are allowed, and no more decimals than the pattern shows. Exponents, letters
// and stray signs are refused, and at most 15 digits are taken, the most a double holds exactly.
class NumericValidator : public QValidator {
    Q_OBJECT
public:
    struct Rules {
        int decimals = 2;
        bool allowMinus = false;
        QChar group; // null when the pattern does not group thousands
    };

    static constexpr int kMaxDigits = 15;

    explicit NumericValidator(const Rules &rules, QObject *parent = nullptr);

    void setRules(const Rules &rules) { m_rules = rules; }
    const Rules &rules() const { return m_rules; }

    State validate(QString &input, int &pos) const override;

    // True when `text` follows the rules above.
    bool accepts(QStringView text) const;
    // What is left of arbitrary text (a paste) after dropping what the rules refuse: the
    // characters are kept in order while they still form acceptable text.
    QString filter(QStringView text) const;

private:
    Rules m_rules;
};

} // namespace quillon
