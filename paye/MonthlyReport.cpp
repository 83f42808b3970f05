#include "paye/MonthlyReport.h"

#include "paye/PayReportFields.h"
#include "taxengine/TaxYear.h"

namespace quillon::paye {

report::ReportRecord monthlyReportRecord(const MonthlyInputs &in, const MonthlyResults &out,
                                         const QString &employeeName,
                                         report::PrintLanguage language) {
    report::RecordWriter w(language);
    w.caption("TypeAM", u"Monthly Check", u"Maandelikse Inkomste");
    w.employee(employeeName);
    w.caption("Age", u"Age : ", u"Ouderdom : ");
    w.value("AgeNum", QVariant::fromValue<int>(in.age));
    w.caption("Sal", u"Remuneration/salary", u"Besoldiging");
    w.value("SalNum", in.salary);
    w.caption("DirFees", u"Commissions", u"Kommissie");
    w.value("DirFeesNum", in.commission);
    w.caption("TravAll", u"Travel allowance ", u"Reistoelae ");
    w.value("TravOne", in.travelAllowance);
    w.value("TravTwo", out.taxableTravel);
    w.caption("Bonus", u"Bonus", u"Bonus");
    w.value("BonusNum", in.bonus);
    w.caption("MedExp", u"Medical expenses", u"Mediese onkoste");
    w.value("MedExpNum", 0.0);
    w.caption("PenCont", u"Employer's R/Fund contributions ", u"Toelaatbare pension bydrae");
    w.value("PenContNum", in.employerFund);
    w.caption("RACont", u"Employee's R/Fund contributions", u"Toelaatbare U/T bydrae");
    w.value("RAContNum", in.employeeFund);
    w.caption("SDate", u"Start date", u"Begin datum");
    w.value("SDateNum", tax::dateText(in.startDate));
    w.caption("EDate", u"End date", u"Eind datum");
    w.value("EDateNum", tax::dateText(in.endDate));
    w.caption("UIFEMPE", u"U.I.F. contribution employee", u"U.I.F. bydrae werknemer");
    w.value("UIFEMPENum", out.employeeUifShown);
    w.caption("UIFEMPR", u"U.I.F. contribution employer", u"U.I.F. bydrae werkgewer");
    w.value("UIFEMPRNum", out.employerUifShown);
    w.caption("SDL", u"S.D.L.", u"S.D.L.");
    w.value("SDLNum", out.skillsLevyShown);
    w.caption("EOE", u"(E.& O.E.)", u"(B.& F.W.)");
    w.caption("Taxliability", u"Tax liability", u"Belasting verpligting");
    w.value("Taxliabilitynum", out.periodTax);
    w.caption("TaxCredit", u"Tax credits for beneficiaries", u"Belastingkrediete vir begunstigdes");
    w.value("Taxcreditnum", out.medicalCredit);
    w.caption("TaxCreditCons", u"Tax credits for contributions", u"Belastingkrediete vir bydraes");
    w.value("TaxcreditnumCons", out.additionalCredit);
    w.caption("EmpERMedAidCont", u"Employer's med aid contrib.",
              u"Werkgewer se bydrae aan mediesefonds");
    w.value("EmpERMedAidContnum", in.employerMedAid);
    w.caption("EmpEEMedAidCont", u"Employee's med aid contrib.",
              u"Werknemer se bydrae aan mediesefonds");
    w.value("EmpEEMedAidContnum", in.employeeMedAid);
    w.caption("AnnCalcBens3", u"Medical aid fund beneficiaries",
              u"Getal mediesefondslede en afhanklikes");
    w.value("AnnCalcBens3num", QVariant::fromValue<int>(in.medAidBeneficiaries));
    w.caption("MedAidBens", u"Med Aid contribution deduction", u"Mediesfondsbydrae afrekking");
    w.caption("TOTAL", u"Total tax deduction", u"Totaal belasting");
    w.taxOrZero("TotalNum", out.taxLiability);
    return w.take();
}

} // namespace quillon::paye
