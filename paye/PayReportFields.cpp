#include "paye/PayReportFields.h"

namespace quillon::paye {

void writeAgeAndEarnings(report::RecordWriter &w, const PayInputs &in) {
    w.caption("Age", u"Age : ", u"Ouderdom : ");
    w.value("AgeNum", QVariant::fromValue<int>(in.age));
    w.caption("Sal", u"Remuneration/salary", u"Besoldiging");
    w.value("SalNum", in.salary);
    w.caption("DirFees", u"Commissions", u"Kommissie");
    w.value("DirFeesNum", in.commission);
}

void writeBonusAndFunds(report::RecordWriter &w, const PayInputs &in) {
    w.caption("Bonus", u"Bonus", u"Bonus");
    w.value("BonusNum", in.bonus);
    w.caption("MedExp", u"Medical expenses", u"Mediese onkoste");
    w.value("MedExpNum", 0.0);
    w.caption("PenCont", u"Employer's R/Fund contributions ", u"Toelaatbare pension bydrae");
    w.value("PenContNum", in.employerFund);
    w.caption("RACont", u"Employee's R/Fund contributions", u"Toelaatbare U/T bydrae");
    w.value("RAContNum", in.employeeFund);
}

void writeMedAidContributions(report::RecordWriter &w, const PayInputs &in) {
    w.caption("EmpERMedAidCont", u"Employer's med aid contrib.",
              u"Werkgewer se bydrae aan mediesefonds");
    w.value("EmpERMedAidContnum", in.employerMedAid);
    w.caption("EmpEEMedAidCont", u"Employee's med aid contrib.",
              u"Werknemer se bydrae aan mediesefonds");
    w.value("EmpEEMedAidContnum", in.employeeMedAid);
}

void writeMedAidDeductionCaption(report::RecordWriter &w) {
    w.caption("MedAidBens", u"Med Aid contribution deduction", u"Mediesfondsbydrae afrekking");
}

void writeUifAndCredits(report::RecordWriter &w, const PayInputs &in, const PayResults &out) {
    w.caption("UIFEMPE", u"U.I.F. contribution employee", u"U.I.F. bydrae werknemer");
    w.value("UIFEMPENum", out.employeeUifShown);
    w.caption("UIFEMPR", u"U.I.F. contribution employer", u"U.I.F. bydrae werkgewer");
    w.value("UIFEMPRNum", out.employerUifShown);
    w.caption("SDL", u"S.D.L.", u"S.D.L.");
    w.value("SDLNum", out.skillsLevyShown);
    w.caption("EOE", u"(E.& O.E.)", u"(B.& F.W.)");
    writeTaxLiability(w, out);
    writeMedAidContributions(w, in);
    w.caption("AnnCalcBens3", u"Medical aid fund beneficiaries",
              u"Getal mediesefondslede en afhanklikes");
    w.value("AnnCalcBens3num", QVariant::fromValue<int>(in.medAidBeneficiaries));
    writeMedAidDeductionCaption(w);
    writeCredits(w, out);
    // Written earlier as the tax before credits under "Tax deduction"; only this final value
    // is saved.
    w.caption("TOTAL", u"Total tax deduction", u"Totaal belasting");
    w.taxOrZero("TotalNum", out.taxLiability);
}

} // namespace quillon::paye
