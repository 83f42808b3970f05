#pragma once

#include "business/LoanMemory.h"
#include "report/ReportRecord.h"

#include <QString>

#include <cstdint>

namespace quillon::business {

// The loan buster's own remembered figures; its working repayment and saved principal are the
// loan calculator's.
struct BusterMemory {
    double principal = 0;
    float rate = 0;
    double extraPayment = 0;

    void reset() { *this = BusterMemory{}; }
};

struct BusterInputs {
    double principal = 0;
    std::int16_t period = 0; // whole months, from the field rounded half to even
    float rate = 0;
    double extraPayment = 0; // as the field shows it
};

// Both columns of the window. The right-hand column keeps its previous figures when the extra
// payment is more than ten times the repayment, so a calculation starts from the last results.
struct BusterResults {
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

// Calculate. `loan` supplies and receives the shared repayment and saved principal.
BusterResults calculateBuster(const BusterInputs &in, const BusterResults &previous,
                              LoanMemory &loan);

inline const QString kBusterTable = QStringLiteral("BondBust");
inline const QString kBusterLayout = QStringLiteral("loanbuster.rpt");
inline const QString kBusterPreviewTitle = QStringLiteral("Loan Buster");

// Printing needs a principal above 0.
inline bool busterPrintable(const BusterInputs &in) {
    return in.principal > 0;
}

report::ReportRecord busterRecord(const BusterInputs &in, const BusterResults &out);

} // namespace quillon::business
