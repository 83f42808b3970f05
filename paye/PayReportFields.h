#pragma once

#include "paye/PayFigures.h"
#include "report/RecordWriter.h"

namespace quillon::paye {

// Pieces of the PAYE report records, each caption written once. A record's travel lines
// differ per calculator, so they stand between the pieces.

// The age, salary and commissions.
void writeAgeAndEarnings(report::RecordWriter &w, const PayInputs &in);

// The bonus, medical expenses and both R/Fund contributions.
void writeBonusAndFunds(report::RecordWriter &w, const PayInputs &in);

// The tax before credits.
template <class Results> void writeTaxLiability(report::RecordWriter &w, const Results &out) {
    w.caption("Taxliability", u"Tax liability", u"Belasting verpligting");
    w.value("Taxliabilitynum", out.periodTax);
}

// Both tax credits, from the period or the annual results.
template <class Results> void writeCredits(report::RecordWriter &w, const Results &out) {
    w.caption("TaxCredit", u"Tax credits for beneficiaries", u"Belastingkrediete vir begunstigdes");
    w.value("Taxcreditnum", out.medicalCredit);
    w.caption("TaxCreditCons", u"Tax credits for contributions", u"Belastingkrediete vir bydraes");
    w.value("TaxcreditnumCons", out.additionalCredit);
}

// The employer's and the employee's medical aid contributions.
void writeMedAidContributions(report::RecordWriter &w, const PayInputs &in);

// The caption of the medical aid deduction (only the annual record has its figure).
void writeMedAidDeductionCaption(report::RecordWriter &w);

// The period records' UIF and levy figures, their tax and medical aid lines, their count of
// beneficiaries and TOTAL.
void writeUifAndCredits(report::RecordWriter &w, const PayInputs &in, const PayResults &out);

} // namespace quillon::paye
