#include "paye/PayFigures.h"

#include "taxengine/NumberText.h"

namespace quillon::paye {

using namespace quillon::tax;

double shownFigure(double value) {
    return shownNumber(value, 2);
}

InputCheck beneficiaryCheck(std::int16_t beneficiaries, PayPeriod period) {
    const std::int16_t most = maxBeneficiaries(period);
    if (beneficiaries >= 0 && beneficiaries <= most)
        return {};
    return {
        CheckCode::BeneficiariesOutOfRange,
        QStringLiteral("The number of medical aid beneficiaries must be from 0 to %1.").arg(most),
        QStringLiteral("Incorrect Number of Beneficiaries"), QStringLiteral("numMedAidBens")};
}

double periodMedicalCredit(const PayInputs &in, PayPeriod period) {
    if (!(in.employerMedAid > 0 || in.employeeMedAid > 0))
        return 0;
    // The count has passed beneficiaryCheck, so the credit always has a value.
    return medicalSchemeCredit(in.medAidBeneficiaries, period).value_or(0);
}

void completePayResults(const PayInputs &in, PayPeriod period, PayResults &out) {
    const PaySettings &s = in.settings;
    out.allowableDeduction = roundHalfEven(out.deduction);

    out.uifRemuneration = uifRemuneration(in.salary, in.employerMedAid, in.bonus,
                                          in.travelAllowance, s.inclusionRate, in.employerFund);
    const double ceiling = uifCeiling(s.uifLimit, period);
    out.employeeUif = uifContribution(out.uifRemuneration, ceiling, s.employeeUIF);
    out.employerUif = uifContribution(out.uifRemuneration, ceiling, s.employerUIF);
    out.skillsLevy =
        tax::skillsLevy(out.uifRemuneration, out.deduction, in.commission, s.skillLevy);
    out.employeeUifShown = shownFigure(out.employeeUif);
    out.employerUifShown = shownFigure(out.employerUif);
    out.skillsLevyShown = shownFigure(out.skillsLevy);

    out.additionalCredit =
        additionalMedicalCredit(in.employerMedAid, in.employeeMedAid, out.medicalCredit, in.age);
    out.taxLiability = taxAfterCredits(out.periodTax, out.medicalCredit, out.additionalCredit);
}

} // namespace quillon::paye
