#pragma once

#include "business/DailyBalance.h"
#include "business/Inflation.h"
#include "business/LoanBuster.h"
#include "business/LoanCalc.h"
#include "business/LoanComparison.h"
#include "taxengine/FieldDescription.h"

namespace quillon::business {

// Keys quillon-calc reads itself: the loan's mode and schedule are words, the daily balance's
// dates are checked against each other, and spinner clicks step a figure after it is read. The
// rate and the period are answered again after the clicks.
QString loanModeKey();
QString loanScheduleKey();
QString rateKey();
QString periodKey();
QString startDateKey();
QString endDateKey();
QString dateStepsKey();
QString rateStepsKey();
QString periodStepsKey();

// At most a thousand clicks, so a stray figure cannot keep the command busy; negative steps down.
inline constexpr tax::FieldRange kSpinClicks{u"0", -1000, 1000};

using LoanDescription = tax::CalculatorDescription<LoanInputs, LoanResults>;
using BusterDescription = tax::CalculatorDescription<BusterInputs, BusterResults>;
using ComparisonDescription = tax::CalculatorDescription<ComparisonInputs, ComparisonResults>;
using DailyBalanceDescription = tax::CalculatorDescription<DailyBalanceInputs, DailyBalanceResults>;
using InflationDescription = tax::CalculatorDescription<InflationInputs, InflationResults>;

const LoanDescription &loanDescription();
const BusterDescription &busterDescription();
const ComparisonDescription &comparisonDescription();
const DailyBalanceDescription &dailyBalanceDescription();
const InflationDescription &inflationDescription();

} // namespace quillon::business
