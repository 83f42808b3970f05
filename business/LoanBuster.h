#pragma once

#include "business/LoanMemory.h"
#include "report/ReportRecord.h"

#include <QString>

#include <cstdint>

namespace quillon::business {

struct BusterInputs {
    double principal = 0;
    std::int16_t period = 0; // whole months, from the field rounded half to even
    float rate = 0;
    double extraPayment = 0; // as the field shows it
};

// The loan buster's own remembered figures; its working repayment and saved principal are the
// loan calculator's. The window clears the period each time it opens.
struct BusterMemory : BusterInputs {
    BusterMemory() = default;
    BusterMemory(double amount, float yearlyRate, double extra)
        : BusterInputs{amount, 0, yearlyRate, extra} {}

    void reset() { *this = BusterMemory{}; }
};

// Both columns of the window. The right-hand column is cleared when the extra payment is more
// than ten times the repayment.
struct BusterResults {
    double principal = 0;       // numAns1(2): the loan the right-hand column works on
    double rate = 0;            // numAns1(3)
    double repayment = 0;       // numMonRePay: without the extra payment
    double totalInterest = 0;   // numAns1(0)
    double totalRepayments = 0; // numAns1(1)
    double extraPayment = 0;    // written back to numXtraPay
    std::int16_t newPeriod = 0; // numAns2
    double newRepayment = 0;    // numAns1(4)
    double newTotalInterest = 0;
    double newTotalRepayments = 0;
    double totalSaving = 0;    // numAns1(7)
    bool extraApplied = false; // false: the extra payment exceeded ten base repayments
    bool oneMonth = false;     // the repayment with the extra clears the loan in one month
};

inline constexpr double kMaxBusterRate = 50;
inline constexpr std::int16_t kMaxBusterPeriod = 600;
inline constexpr double kMaxBusterAmount = 99999999.99;

// Calculate. A loan worked out to a period leaves its working repayment and principal in `loan`,
// the loan calculator's shared figures; anything less leaves them alone.
BusterResults calculateBuster(const BusterInputs &in, const BusterResults &previous,
                              LoanMemory &loan);

// Calculate with an extra payment above ten repayments.
inline const QString kBusterExtraTooLargeMessage =
    QStringLiteral("The extra payment is more than ten times the monthly repayment, so the loan "
                   "with the extra payment is not worked out.");
inline const QString kBusterExtraTooLargeTitle = QStringLiteral("Extra Payment Too Large!");

// Whether Calculate must tell of too large an extra payment.
inline bool busterExtraTooLarge(const BusterResults &out) {
    return !out.extraApplied && out.repayment > 0;
}

inline const QString kBusterTable = QStringLiteral("BondBust");
inline const QString kBusterLayout = QStringLiteral("loanbuster.rpt");
inline const QString kBusterPreviewTitle = QStringLiteral("Loan Buster");

// Printing needs a principal above 0.
inline bool busterPrintable(const BusterInputs &in) {
    return in.principal > 0;
}

report::ReportRecord busterRecord(const BusterInputs &in, const BusterResults &out);

} // namespace quillon::business
