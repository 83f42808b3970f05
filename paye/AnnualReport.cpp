#include "paye/AnnualReport.h"

#include "taxengine/TaxRules.h"
#include "taxengine/TaxYear.h"

#include <algorithm>

namespace quillon::paye {

using report::PrintLanguage;
using report::ReportRecord;

namespace {

struct Caption {
    const char16_t *english;
    const char16_t *afrikaans;
};

} // namespace

ReportRecord annualReportRecord(const AnnualInputs &in, const AnnualResults &out,
                                const QString &employeeName, PrintLanguage language) {
    const bool af = language == PrintLanguage::Afrikaans;
    auto text = [af](Caption c) { return QString::fromUtf16(af ? c.afrikaans : c.english); };
    ReportRecord r;
    auto put = [&r](const QString &field, const QVariant &value) { r.push_back({field, value}); };
    auto caption = [&](const char *field, Caption c) { put(QString::fromLatin1(field), text(c)); };

    // PAYE and TOTAL are the integer 0 when no tax remains.
    const QVariant paye = out.taxLiability > 0 ? QVariant(out.taxLiability) : QVariant(0);

    caption("TypeAM", {u"Annual Check", u"Jaarlikse Inkomste"});
    put(QStringLiteral("Employee"),
        QString((af ? QStringLiteral("Vir : ") : QStringLiteral(" For : ")) + employeeName));
    caption("Age", {u"Age : ", u"Ouderdom : "});
    put(QStringLiteral("AgeNum"), QVariant::fromValue<int>(in.age));
    caption("Sal", {u"Remuneration/salary", u"Besoldiging"});
    put(QStringLiteral("SalNum"), in.salary);
    caption("DirFees", {u"Commissions", u"Kommissie"});
    put(QStringLiteral("DirFeesNum"), in.commission);
    caption("Bonus", {u"Bonus", u"Bonus"});
    put(QStringLiteral("BonusNum"), in.bonus);
    caption("TravAll", {u"Travel allowance received", u"Reistoelae ontvang"});
    put(QStringLiteral("RecBefNum"), in.travelAllowance);
    caption("MedExp", {u"Medical expenses", u"Mediese onkoste"});
    put(QStringLiteral("MedExpNum"), 0.0);
    caption("PenCont", {u"Employer's R/Fund contributions ", u"Toelaatbare pension bydrae"});
    put(QStringLiteral("PenContNum"), in.employerFund);
    caption("RACont", {u"Employee's R/Fund contributions", u"Toelaatbare U/T bydrae"});
    put(QStringLiteral("RAContNum"), in.employeeFund);
    caption("SDate", {u"Start date", u"Begin datum"});
    put(QStringLiteral("SDateNum"), tax::dateText(in.startDate));
    caption("EDate", {u"End date", u"Eind datum"});
    put(QStringLiteral("EDateNum"), tax::dateText(in.endDate));
    caption("SITE", {u"SITE", u"SIBW"});
    put(QStringLiteral("SITENum"), 0.0);
    caption("PAYE", {u"PAYE", u"LBS"});
    put(QStringLiteral("PAYENum"), paye);
    caption("Taxliability", {u"Tax liability", u"Belasting verpligting"});
    put(QStringLiteral("Taxliabilitynum"), out.periodTax);
    caption("TaxCredit", {u"Tax credits for beneficiaries", u"Belastingkrediete vir begunstigdes"});
    put(QStringLiteral("Taxcreditnum"), out.medicalCredit);
    caption("TaxCreditCons", {u"Tax credits for contributions", u"Belastingkrediete vir bydraes"});
    put(QStringLiteral("TaxcreditnumCons"), out.additionalCredit);
    caption("NumOFBens",
            {u"Number of Medical Aid Beneficiaries", u"Getal mediesefondslede en afhanklikes"});
    caption("EmpERMedAidCont",
            {u"Employer's med aid contrib.", u"Werkgewer se bydrae aan mediesefonds"});
    put(QStringLiteral("EmpERMedAidContnum"), in.employerMedAid);
    caption("EmpEEMedAidCont",
            {u"Employee's med aid contrib.", u"Werknemer se bydrae aan mediesefonds"});
    put(QStringLiteral("EmpEEMedAidContnum"), in.employeeMedAid);

    // Months in tax-year order, each count right after its label. "Apr " keeps its blank.
    static constexpr Caption kMonths[12] = {{u"Mar", u"Mar"}, {u"Apr ", u"Apr "}, {u"May", u"Mei"},
                                            {u"Jun", u"Jun"}, {u"Jul", u"Jul"},   {u"Aug", u"Aug"},
                                            {u"Sep", u"Sep"}, {u"Oct", u"Okt"},   {u"Nov", u"Nov"},
                                            {u"Dec", u"Dec"}, {u"Jan", u"Jan"},   {u"Feb", u"Feb"}};
    for (std::size_t i = 0; i < kTaxYearMonths.size(); ++i) {
        const int month = kTaxYearMonths[i];
        const QString field = QStringLiteral("AnnCalcBens%1").arg(month);
        put(field, text(kMonths[i]));
        put(field + QStringLiteral("num"),
            QVariant::fromValue<int>(out.monthBeneficiaries[static_cast<std::size_t>(month)]));
    }

    caption("MedAidBens", {u"Med Aid contribution deduction", u"Mediesfondsbydrae afrekking"});
    put(QStringLiteral("MedAidBensnum"),
        QVariant::fromValue<qint32>(static_cast<qint32>(std::clamp(
            tax::roundHalfEven(in.medAidContributionDeduction), -2147483648.0, 2147483647.0))));
    caption("TOTAL", {u"Total tax deduction", u"Totaal"});
    put(QStringLiteral("TotalNum"), paye);
    caption("EOE", {u"(E.& O.E.)", u"(B.& F.W.)"});
    return r;
}

} // namespace quillon::paye
