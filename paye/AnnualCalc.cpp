#include "paye/AnnualCalc.h"

#include "paye/PayMessages.h"
#include "taxengine/TaxRules.h"
#include "taxengine/TaxYear.h"

#include <cmath>

namespace quillon::paye {

using namespace quillon::tax;

bool monthCounts(int month, int startMonth, int endMonth) {
    if (month == 1)
        return endMonth == 1 || endMonth == 2;
    if (month == 2)
        return endMonth == 2;
    const bool startedBy = startMonth >= 3 && startMonth <= month;
    const bool lastsTo = endMonth >= month || endMonth == 1 || endMonth == 2;
    return startedBy && lastsTo;
}

InputCheck annualInputCheck(const AnnualInputs &in) {
    const QString range = QStringLiteral("01/03/2016 and 28/02/2017");
    const QString title = kDateTitle;
    if (!in.startDate.isValid() || in.startDate < taxYearStart() || in.startDate > taxYearEnd())
        return {CheckCode::StartDateOutsideYear,
                QStringLiteral("The start date must lie between ") + range + u'.', title,
                QStringLiteral("dtStartDate")};
    if (!in.endDate.isValid() || in.endDate < taxYearStart() || in.endDate > taxYearEnd())
        return {CheckCode::EndDateOutsideYear,
                QStringLiteral("The end date must lie between ") + range + u'.', title,
                QStringLiteral("dtEndDate")};
    if (in.startDate > in.endDate)
        return {CheckCode::StartAfterEnd,
                QStringLiteral("The start date must not be after the end date."), title,
                QStringLiteral("dtStartDate")};
    for (int month = 1; month <= 12; ++month) {
        const auto n = in.monthBeneficiaries[static_cast<std::size_t>(month)];
        if (n < 0 || n > kMaxMonthBeneficiaries)
            return {CheckCode::BeneficiariesOutOfRange,
                    QStringLiteral("A month may hold from 0 to 24 medical aid beneficiaries."),
                    QStringLiteral("Incorrect Number of Beneficiaries"),
                    QStringLiteral("numAnnCalcBens%1").arg(month)};
    }
    return {};
}

AnnualResults calculateAnnual(const AnnualInputs &in, TaxLookup &lookup) {
    AnnualResults out;
    out.monthBeneficiaries = in.monthBeneficiaries;

    // 1. Medical scheme fees credit, month by month over the period.
    if (in.employerMedAid > 0 || in.employeeMedAid > 0) {
        const int startMonth = in.startDate.month();
        const int endMonth = in.endDate.month();
        for (int month = 1; month <= 12; ++month) {
            if (monthCounts(month, startMonth, endMonth)) {
                // Counts are held to 24 by the window, so the 16-bit products always fit.
                out.medicalCredit +=
                    medicalSchemeCredit(out.monthBeneficiaries[static_cast<std::size_t>(month)],
                                        PayPeriod::Month)
                        .value_or(0);
            } else {
                out.monthBeneficiaries[static_cast<std::size_t>(month)] = 0;
            }
        }
    }

    // 2. and 3.
    out.rebate = rebateForAge(in.age);
    out.days = inclusiveDays(in.startDate, in.endDate);

    // 4. Retirement-fund deduction for the year.
    const double remuneration =
        deductionRemuneration(in.salary, in.employerMedAid, in.commission, in.bonus,
                              in.travelAllowance, in.settings.inclusionRate, in.employerFund);
    out.deduction =
        retirementFundDeduction(in.employerFund, in.employeeFund, remuneration, PayPeriod::Year);

    // 5. Annual taxable amount, scaled up for a part year.
    const bool variablePay = in.travelAllowance + in.commission > 0;
    double p = 0;
    if (variablePay)
        p = in.salary + in.commission + in.travelAllowance * in.settings.inclusionRate +
            in.employerMedAid + in.employerFund - out.deduction;
    else
        p = in.salary + in.employerMedAid + in.employerFund - out.deduction;
    const bool partYear = out.days < 365;
    if (partYear)
        p = p * 365 / static_cast<double>(out.days);
    out.taxableAmount = p;

    // 6. Tax with and without the bonus, less the rebate.
    double t1 = totalTaxFor(lookup, p + in.bonus) - out.rebate;
    double t0 = totalTaxFor(lookup, p) - out.rebate;
    if (variablePay) {
        t1 = std::floor(t1);
        t0 = std::floor(t0);
    }
    if (t1 < 0)
        t1 = 0;
    if (t0 < 0)
        t0 = 0;

    // 7. The bonus is taxed in full; the rest is brought back to the period.
    const double bonusTax = t1 - t0;
    double tax = (partYear ? t0 * static_cast<double>(out.days) / 365 : t0) + bonusTax;
    if (tax < 0)
        tax = 0;
    out.periodTax = tax;

    // 8. to 10.
    out.allowableDeduction = roundHalfEven(out.deduction);
    out.additionalCredit =
        additionalMedicalCredit(in.employerMedAid, in.employeeMedAid, out.medicalCredit, in.age);
    out.taxLiability = taxAfterCredits(out.periodTax, out.medicalCredit, out.additionalCredit);
    return out;
}

} // namespace quillon::paye
