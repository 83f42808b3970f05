#pragma once

#include "business/DailyBalance.h"
#include "business/Inflation.h"
#include "business/LoanBuster.h"
#include "business/LoanComparison.h"
#include "business/LoanMemory.h"
#include "paye/QuickTaxMemory.h"
#include "taxengine/RememberedState.h"
#include "taxengine/TaxLookup.h"
#include "vehicle/CarAllData.h"
#include "vehicle/CompCarList.h"

#include <QString>

namespace quillon {

// The program-wide records that outlive the calculator windows: the shared tax lookup and each
// calculator's remembered figures. One object owns them for the whole run and is passed to the
// windows; a test makes its own. Each calculator with remembered figures adds its record here
// and registers its reset in the constructor.
struct ProgramState {
    tax::TaxLookup taxLookup;
    RememberedState remembered;
    // QuickTax's age and last income live for the whole run; "Initialise All" leaves them, so
    // no reset is registered for them.
    paye::QuickTaxMemory quickTax;
    // The business calculators; the loan buster shares the loan's repayment and saved principal.
    business::LoanMemory loans;
    business::BusterMemory loanBuster;
    business::ComparisonMemory loanComparison;
    business::DailyBalanceMemory dailyBalance;
    business::InflationMemory inflation;
    // The car allowance figures with the car's description, and the company-car list.
    vehicle::CarAllData carAll;
    QString carDescription;
    vehicle::CompCarList companyCars;

    ProgramState() {
        // The reset sets the last tax result to 0 and leaves the rest of the lookup, the income
        // included, as it was.
        remembered.add("tax lookup", [this] { taxLookup.TotalTax = 0; });
        remembered.add("loans", [this] { loans.reset(); });
        remembered.add("loan buster", [this] { loanBuster.reset(); });
        remembered.add("loan comparison", [this] { loanComparison.reset(); });
        remembered.add("daily balance", [this] { dailyBalance.reset(); });
        remembered.add("inflation", [this] { inflation.reset(); });
        remembered.add("car allowance", [this] {
            carAll = vehicle::CarAllData{};
            carDescription = QString();
        });
        remembered.add("company car", [this] { companyCars.reset(); });
    }
    ProgramState(const ProgramState &) = delete;
    ProgramState &operator=(const ProgramState &) = delete;

    // Start-up and "Initialise All".
    void resetAll() { remembered.resetAll(); }
};

} // namespace quillon
