#pragma once

#include "paye/AnnualCalc.h"
#include "paye/DailyCalc.h"
#include "paye/MonthlyCalc.h"
#include "paye/QuickTaxCalc.h"
#include "paye/QuickTaxMemory.h"
#include "paye/WeeklyCalc.h"
#include "taxengine/FieldDescription.h"
#include "taxengine/TaxLookup.h"

namespace quillon::paye {

// The name printed on a period calculator's report: quillon-calc reads it under this key, the
// window takes it from its print panel.
QString employeeNameKey();

// The figures of the annual window's twelve months, which quillon-calc reads as a list or as one
// count for every month.
QString monthBeneficiariesKey();
QString allMonthsBeneficiariesKey();

// The objectName of QuickTax's field `index` (0: the income, 1: the age, 2-9: the results).
QString quickTaxField(int index);

using MonthlyDescription = tax::CalculatorDescription<MonthlyInputs, MonthlyResults>;
using WeeklyDescription = tax::CalculatorDescription<WeeklyInputs, WeeklyResults>;
using DailyDescription = tax::CalculatorDescription<DailyInputs, DailyResults>;
using AnnualDescription = tax::CalculatorDescription<AnnualInputs, AnnualResults>;

// QuickTax types into the shared lookup's income and its own remembered age.
struct QuickTaxInputs {
    tax::TaxLookup &lookup;
    QuickTaxMemory &memory;
};
using QuickTaxDescription = tax::CalculatorDescription<QuickTaxInputs, QuickTaxResults>;

const MonthlyDescription &monthlyDescription();
const WeeklyDescription &weeklyDescription(WeekPeriod period);
const DailyDescription &dailyDescription();
const AnnualDescription &annualDescription();
const QuickTaxDescription &quickTaxDescription();

} // namespace quillon::paye
