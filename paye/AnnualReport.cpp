#include "paye/AnnualReport.h"

#include "paye/PayReportFields.h"
#include "taxengine/TaxRules.h"
#include "taxengine/TaxYear.h"

#include <algorithm>

namespace quillon::paye {

using report::PrintLanguage;
using report::ReportRecord;

ReportRecord annualReportRecord(const AnnualInputs &in, const AnnualResults &out,
                                const QString &employeeName, PrintLanguage language) {
    report::RecordWriter w(language);
    w.caption("TypeAM", u"Annual Check", u"Jaarlikse Inkomste");
    w.employee(employeeName);
    writeAgeAndEarnings(w, in);
    w.caption("TravAll", u"Travel allowance received", u"Reistoelae ontvang");
    w.value("RecBefNum", in.travelAllowance);
    writeBonusAndFunds(w, in);
    w.caption("SDate", u"Start date", u"Begin datum");
    w.value("SDateNum", tax::dateText(in.startDate));
    w.caption("EDate", u"End date", u"Eind datum");
    w.value("EDateNum", tax::dateText(in.endDate));
    w.caption("SITE", u"SITE", u"SIBW");
    w.value("SITENum", 0.0);
    // PAYE and TOTAL are the integer 0 when no tax remains.
    w.caption("PAYE", u"PAYE", u"LBS");
    w.taxOrZero("PAYENum", out.taxLiability);
    writeTaxLiability(w, out);
    writeCredits(w, out);
    w.caption("NumOFBens", u"Number of Medical Aid Beneficiaries",
              u"Getal mediesefondslede en afhanklikes");
    writeMedAidContributions(w, in);
    // Months in tax-year order, each count right after its label. "Apr " keeps its blank.
    struct MonthCaption {
        const char16_t *english;
        const char16_t *afrikaans;
    };
    static constexpr MonthCaption kMonths[12] = {
        {u"Mar", u"Mar"}, {u"Apr ", u"Apr "}, {u"May", u"Mei"}, {u"Jun", u"Jun"},
        {u"Jul", u"Jul"}, {u"Aug", u"Aug"},   {u"Sep", u"Sep"}, {u"Oct", u"Okt"},
        {u"Nov", u"Nov"}, {u"Dec", u"Dec"},   {u"Jan", u"Jan"}, {u"Feb", u"Feb"}};
    for (std::size_t i = 0; i < kTaxYearMonths.size(); ++i) {
        const int month = kTaxYearMonths[i];
        const QString field = QStringLiteral("AnnCalcBens%1").arg(month);
        w.caption(field, kMonths[i].english, kMonths[i].afrikaans);
        w.value(field + QStringLiteral("num"),
                QVariant::fromValue<int>(out.monthBeneficiaries[static_cast<std::size_t>(month)]));
    }

    writeMedAidDeductionCaption(w);
    w.value("MedAidBensnum",
            QVariant::fromValue<qint32>(static_cast<qint32>(std::clamp(
                tax::roundHalfEven(in.medAidContributionDeduction), -2147483648.0, 2147483647.0))));
    w.caption("TOTAL", u"Total tax deduction", u"Totaal");
    w.taxOrZero("TotalNum", out.taxLiability);
    w.caption("EOE", u"(E.& O.E.)", u"(B.& F.W.)");
    return w.take();
}

} // namespace quillon::paye
