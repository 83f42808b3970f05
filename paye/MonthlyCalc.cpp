#include "paye/MonthlyCalc.h"

#include "paye/PayMessages.h"
#include "taxengine/TaxRules.h"
#include "taxengine/TaxYear.h"

namespace quillon::paye {

using namespace quillon::tax;

namespace {

bool inTaxYear(const QDate &date) {
    return date.isValid() && date >= taxYearStart() && date <= taxYearEnd();
}

} // namespace

int daysInMonth(int month) {
    switch (month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return 31;
    case 2:
        return 28;
    default:
        return 30;
    }
}

InputCheck monthlyInputCheck(const MonthlyInputs &in) {
    if (!inTaxYear(in.startDate))
        return {CheckCode::StartDateOutsideYear, startDateMessage(), kDateTitle,
                QStringLiteral("dtMStartDate")};
    if (!inTaxYear(in.endDate))
        return {CheckCode::EndDateOutsideYear, endDateMessage(dateText(in.startDate)), kDateTitle,
                QStringLiteral("dtMEndDate")};
    if (in.startDate.month() != in.endDate.month())
        return {CheckCode::DifferentMonths,
                QStringLiteral("The Start and End dates entered must be for the same Month"),
                kDateTitle, QStringLiteral("dtMEndDate")};
    if (in.startDate.day() > in.endDate.day())
        return {CheckCode::StartAfterEnd,
                QStringLiteral("The Start date entered must be before the End date"), kDateTitle,
                QStringLiteral("dtMStartDate")};
    return beneficiaryCheck(in.medAidBeneficiaries, PayPeriod::Month);
}

MonthlyResults calculateMonthly(const MonthlyInputs &in, TaxLookup &lookup) {
    MonthlyResults out;
    out.check = monthlyInputCheck(in);
    if (!out.check.ok())
        return out;
    const double rate = in.settings.inclusionRate;

    // 2. Medical scheme fees credit for the month.
    out.medicalCredit = periodMedicalCredit(in, PayPeriod::Month);

    // 3. Tax for the period, net method.
    out.daysInMonth = daysInMonth(in.startDate.month());
    const double monthDays = out.daysInMonth;
    const double remuneration =
        deductionRemuneration(in.salary, in.employerMedAid, in.commission, in.bonus,
                              in.travelAllowance, rate, in.employerFund);
    out.deduction =
        retirementFundDeduction(in.employerFund, in.employeeFund, remuneration, PayPeriod::Month);
    out.days = inclusiveDays(in.startDate, in.endDate);
    const double days = static_cast<double>(out.days);
    out.taxableAmount = in.salary + in.commission + in.travelAllowance * rate + in.employerMedAid +
                        in.employerFund - out.deduction;
    out.annualEquivalent = out.taxableAmount * (monthDays / days) * 12;

    out.rebate = rebateForAge(in.age);
    double t1 = totalTaxFor(lookup, out.annualEquivalent + in.bonus) - out.rebate;
    if (t1 < 0)
        t1 = 0;
    double t0 = totalTaxFor(lookup, out.annualEquivalent) - out.rebate;
    if (t0 < 0)
        t0 = 0;
    double tax = (t0 / 12) * days / monthDays + (t1 - t0);
    if (tax < 0)
        tax = 0;
    out.periodTax = tax;

    // 4. to 8.
    out.taxableTravel = in.travelAllowance * rate;
    out.taxableTravelShown = roundHalfEven(out.taxableTravel);
    completePayResults(in, PayPeriod::Month, out);
    return out;
}

} // namespace quillon::paye
