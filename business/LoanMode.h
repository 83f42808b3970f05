#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace quillon::business {

// Which of the four loan figures the calculator solves for, in the order of the option buttons.
enum class LoanMode { Repayment = 0, Principal = 1, Period = 2, Rate = 3 };

// How the window marks a mode: the field that shows the result (yellow, read-only, out of the tab
// order), the three fields the user types, and where the focus goes once the mode is chosen.
struct LoanModeRule {
    LoanMode mode;
    const char16_t *text;      // stored as the mode and shown in Label12(1)
    const char16_t *shortName; // the command line's short form
    const char *resultField;
    std::array<const char *, 3> inputFields;
    const char *focusField;
};

inline constexpr std::array<LoanModeRule, 4> kLoanModeRules{{
    {LoanMode::Repayment,
     u"Monthly repayment",
     u"repayment",
     "numMonRePay",
     {"numPrinAmount", "numPeriod", "numIntRate"},
     "numPrinAmount"},
    {LoanMode::Principal,
     u"Principal amount",
     u"principal",
     "numPrinAmount",
     {"numPeriod", "numIntRate", "numMonRePay"},
     "numPeriod"},
    {LoanMode::Period,
     u"Repayment period",
     u"period",
     "numPeriod",
     {"numPrinAmount", "numIntRate", "numMonRePay"},
     "numPrinAmount"},
    {LoanMode::Rate,
     u"Interest rate",
     u"rate",
     "numIntRate",
     {"numPrinAmount", "numPeriod", "numMonRePay"},
     "numPrinAmount"},
}};

inline const LoanModeRule &loanModeRule(LoanMode mode) {
    return kLoanModeRules[static_cast<std::size_t>(mode)];
}

inline QString loanModeText(LoanMode mode) {
    return QString::fromUtf16(loanModeRule(mode).text);
}

// The mode named by its full text or its short form; nothing for any other text.
inline std::optional<LoanMode> loanModeFromText(QStringView text) {
    for (const LoanModeRule &rule : kLoanModeRules)
        if (text == QStringView(rule.text) || text == QStringView(rule.shortName))
            return rule.mode;
    return std::nullopt;
}

} // namespace quillon::business
