#include "cli/LoanCommands.h"

#include "business/LoanBuster.h"
#include "business/LoanCalc.h"
#include "business/LoanComparison.h"
#include "business/LoanFormulas.h"
#include "business/LoanReport.h"
#include "business/LoanSchedule.h"
#include "taxengine/NumberText.h"
#include "taxengine/TaxRules.h"

#include <cmath>
#include <memory>

namespace quillon::cli {

using namespace quillon::business;

// The calculators' own limits and the fields' ranges must agree.
static_assert(tax::kLoanAmount.maximum == kMaxLoanPrincipal &&
              tax::kLoanAmount.maximum == kMaxBusterAmount);
static_assert(tax::kLoanRepayment.maximum == kMaxLoanRepayment);
static_assert(tax::kLoanMonths.maximum == kMaxLoanMonths &&
              tax::kLoanMonths.maximum == kMaxBusterPeriod);
static_assert(tax::kLoanRate.maximum == kMaxLoanRate && tax::kLoanRate.maximum == kMaxBusterRate);

double fieldNumber(InputReader &r, const QString &key, const tax::FieldRange &range,
                   const QString &aboveMessage) {
    if (!r.ok() || aboveMessage.isEmpty() || !r.has(key))
        return r.number(key, range);
    InputReader probe = r;
    const double v = probe.number(key, tax::FieldRange{range.pattern, -HUGE_VAL, HUGE_VAL});
    if (probe.ok() && v > range.maximum) {
        r.fail(aboveMessage + QStringLiteral(": ") + rangeProblem(key, v, range));
        return 0;
    }
    return r.number(key, range);
}

namespace {

const std::vector<JsonKey> kLoanInputs = {
    {QStringLiteral("mode"), KeyKind::Text,
     QStringLiteral("\"Monthly repayment\" (default), \"Principal amount\", \"Repayment period\", "
                    "\"Interest rate\", or repayment/principal/period/rate")},
    {QStringLiteral("principal"), KeyKind::Number,
     QStringLiteral("Principal amount, at most "
                    "99999999.99")},
    {QStringLiteral("period"), KeyKind::Integer, QStringLiteral("Period in months, at most 600")},
    {QStringLiteral("rate"), KeyKind::Number, QStringLiteral("Interest rate, % p.a., at most 50")},
    {QStringLiteral("repayment"), KeyKind::Number,
     QStringLiteral("Monthly repayment, at most 9999999.99")},
    {QStringLiteral("schedule"), KeyKind::Text,
     QStringLiteral("none (default), monthly or annual: list the amortisation rows as printed")},
};

const std::vector<JsonKey> kLoanOutputs = {
    {QStringLiteral("mode"), KeyKind::Text, QStringLiteral("the calculate mode")},
    {QStringLiteral("principal"), KeyKind::Number, QStringLiteral("Principal amount")},
    {QStringLiteral("period"), KeyKind::Integer,
     QStringLiteral("Period (0: no period up to 600 months)")},
    {QStringLiteral("rate"), KeyKind::Number, QStringLiteral("Interest rate")},
    {QStringLiteral("repayment"), KeyKind::Number, QStringLiteral("Monthly repayment")},
    {QStringLiteral("totalInterest"), KeyKind::Number, QStringLiteral("Total Interest: R x n - P")},
    {QStringLiteral("totalRepayments"), KeyKind::Number, QStringLiteral("Total Repayments: R x n")},
    {QStringLiteral("errorMarker"), KeyKind::Flag,
     QStringLiteral("the \"   Error\" marker: a solved rate above 50, or none found")},
    {QStringLiteral("rateFound"), KeyKind::Flag,
     QStringLiteral("false when no rate below 1000% gives the repayment")},
    {QStringLiteral("message"), KeyKind::Text,
     QStringLiteral("why no rate or no period was found")},
    {QStringLiteral("oneMonth"), KeyKind::Flag,
     QStringLiteral("one repayment clears the loan: period 1 at the one-month repayment")},
    {QStringLiteral("schedule"), KeyKind::List,
     QStringLiteral("rows {month|year, capital, interest, balance} when asked and all four "
                    "figures are set")},
    {QStringLiteral("schedule[].month"), KeyKind::Integer, QStringLiteral("the month (monthly)")},
    {QStringLiteral("schedule[].year"), KeyKind::Integer, QStringLiteral("the year (annual)")},
    {QStringLiteral("schedule[].capital"), KeyKind::Number, QStringLiteral("Capital payment")},
    {QStringLiteral("schedule[].interest"), KeyKind::Number, QStringLiteral("Interest payment")},
    {QStringLiteral("schedule[].balance"), KeyKind::Number, QStringLiteral("Balance")},
};

CommandResult runLoan(const JsonInputValue &json, const RunOptions &options) {
    InputReader r(json, kLoanInputs);
    LoanInputs in;
    const QString modeText = r.text(QStringLiteral("mode"), loanModeText(LoanMode::Repayment));
    in.principal = fieldNumber(r, QStringLiteral("principal"), tax::kLoanAmount);
    in.period = fieldNumber(r, QStringLiteral("period"), tax::kLoanMonths, kLoanPeriodMessage);
    in.rate = fieldNumber(r, QStringLiteral("rate"), tax::kLoanRate, kLoanRateMessage);
    in.repayment = fieldNumber(r, QStringLiteral("repayment"), tax::kLoanRepayment);
    const QString schedule = r.text(QStringLiteral("schedule"), QStringLiteral("none"));
    in.financeChargesShown = true;
    if (const auto mode = loanModeFromText(modeText))
        in.mode = *mode;
    else
        r.fail(QStringLiteral("unknown mode \"%1\"").arg(modeText));
    Amortisation amort = Amortisation::None;
    if (schedule == QLatin1String("monthly"))
        amort = Amortisation::Monthly;
    else if (schedule == QLatin1String("annual"))
        amort = Amortisation::Annual;
    else if (schedule != QLatin1String("none"))
        r.fail(QStringLiteral("\"schedule\" must be none, monthly or annual"));
    if (!r.ok())
        return CommandResult::failure(r.error());

    const LoanResults out = calculateLoan(in);
    JsonObject o{{"mode", loanModeText(in.mode)},
                 {"principal", out.principal},
                 {"period", out.period},
                 {"rate", out.rate},
                 {"repayment", out.repayment},
                 {"totalInterest", out.totalInterest},
                 {"totalRepayments", out.totalRepayments},
                 {"errorMarker", out.errorMarker},
                 {"rateFound", out.rateFound},
                 {"oneMonth", out.oneMonth}};
    if (!out.rateFound)
        o.add("message", kRateNotFoundMessage);
    else if (!out.periodFound)
        o.add("message", periodNotFoundMessage(out.principal, out.rate, out.repayment));

    if (amort != Amortisation::None) {
        JsonList rows;
        if (loanComplete(out.principal, out.period, out.rate, out.repayment)) {
            auto schedules = std::make_unique<LoanSchedules>();
            const LoanPrint print{in.mode,       out.principal, out.period, out.rate,
                                  out.repayment, true,          amort};
            const LoanReportData data = loanReportData(print, *schedules);
            const char *numberKey = amort == Amortisation::Annual ? "year" : "month";
            for (const report::ReportRecord &row : data.amort.rows)
                rows.append(JsonObject{{numberKey, row[0].value.toInt()},
                                       {"capital", row[1].value.toDouble()},
                                       {"interest", row[2].value.toDouble()},
                                       {"balance", row[3].value.toDouble()}});
        }
        o.add("schedule", rows);
    }
    if (!options.pdfPath.isEmpty() &&
        !loanComplete(out.principal, out.period, out.rate, out.repayment))
        return CommandResult::failure(QStringLiteral(
            "nothing to print: principal, period, rate and repayment must all be above 0"));
    const LoanPrint print{in.mode, out.principal, out.period, out.rate, out.repayment, true, amort};
    return {std::move(o), {}, printWhenAsked(options, [print] {
                auto schedules = std::make_unique<LoanSchedules>();
                return loanPrintJob(print, *schedules);
            })};
}

const std::vector<JsonKey> kBusterInputs = {
    {QStringLiteral("principal"), KeyKind::Number,
     QStringLiteral("Principal amount, at most 99999999.99")},
    {QStringLiteral("period"), KeyKind::Integer,
     QStringLiteral("Period in months, at most 600 (rounded half to even)")},
    {QStringLiteral("rate"), KeyKind::Number,
     QStringLiteral("Interest rate, % p.a., at most 50 (held in single precision)")},
    {QStringLiteral("extraPayment"), KeyKind::Number,
     QStringLiteral("Extra voluntary payments, at most 99999999.99")},
};

const std::vector<JsonKey> kBusterOutputs = {
    {QStringLiteral("repayment"), KeyKind::Number, QStringLiteral("Monthly repayment")},
    {QStringLiteral("totalInterest"), KeyKind::Number, QStringLiteral("Total interest")},
    {QStringLiteral("totalRepayments"), KeyKind::Number, QStringLiteral("Total repayments")},
    {QStringLiteral("extraPayment"), KeyKind::Number,
     QStringLiteral("the extra payment as the field shows it afterwards")},
    {QStringLiteral("newPeriod"), KeyKind::Integer, QStringLiteral("Period with the extra")},
    {QStringLiteral("newRepayment"), KeyKind::Number,
     QStringLiteral("Monthly repayment with the extra")},
    {QStringLiteral("newTotalInterest"), KeyKind::Number, QStringLiteral("Total interest")},
    {QStringLiteral("newTotalRepayments"), KeyKind::Number, QStringLiteral("Total repayments")},
    {QStringLiteral("totalSaving"), KeyKind::Number, QStringLiteral("Total saving")},
    {QStringLiteral("extraApplied"), KeyKind::Flag,
     QStringLiteral("false when the extra exceeds ten repayments (right column cleared)")},
    {QStringLiteral("oneMonth"), KeyKind::Flag,
     QStringLiteral("the repayment with the extra clears the loan in one month")},
};

CommandResult runBuster(const JsonInputValue &json, const RunOptions &options) {
    InputReader r(json, kBusterInputs);
    BusterInputs in;
    in.principal = fieldNumber(r, QStringLiteral("principal"), tax::kLoanAmount);
    in.period = tax::toInt16(
        fieldNumber(r, QStringLiteral("period"), tax::kLoanMonths, kLoanPeriodMessage));
    in.rate = static_cast<float>(
        fieldNumber(r, QStringLiteral("rate"), tax::kLoanRate, kLoanRateMessage));
    in.extraPayment = fieldNumber(r, QStringLiteral("extraPayment"), tax::kLoanAmount);
    if (!r.ok())
        return CommandResult::failure(r.error());

    auto loan = std::make_unique<LoanMemory>();
    const BusterResults out = calculateBuster(in, BusterResults{}, *loan);
    return {JsonObject{{"repayment", out.repayment},
                       {"totalInterest", out.totalInterest},
                       {"totalRepayments", out.totalRepayments},
                       {"extraPayment", out.extraPayment},
                       {"newPeriod", out.newPeriod},
                       {"newRepayment", out.newRepayment},
                       {"newTotalInterest", out.newTotalInterest},
                       {"newTotalRepayments", out.newTotalRepayments},
                       {"totalSaving", out.totalSaving},
                       {"extraApplied", out.extraApplied},
                       {"oneMonth", out.oneMonth}},
            {},
            printWhenAsked(options, [in, out] {
                return report::PrintJob{
                    {report::ReportData::singleRecord(kBusterTable, busterRecord(in, out))},
                    kBusterLayout,
                    kBusterPreviewTitle};
            })};
}

const std::vector<JsonKey> kComparisonInputs = {
    {QStringLiteral("bondAmount"), KeyKind::Number,
     QStringLiteral("Bond amount, at most 99999999.99")},
    {QStringLiteral("rate"), KeyKind::Number,
     QStringLiteral("Interest rate, % p.a., at most 50 (held in single precision)")},
};

const std::vector<JsonKey> kComparisonOutputs = {
    {QStringLiteral("rows"), KeyKind::List,
     QStringLiteral("per term of 60 to 360 months: {months, period, monthlyRepayment, "
                    "totalInterest, totalPaid}")},
    {QStringLiteral("rows[].months"), KeyKind::Integer, QStringLiteral("the term in months")},
    {QStringLiteral("rows[].period"), KeyKind::Text, QStringLiteral("Period")},
    {QStringLiteral("rows[].monthlyRepayment"), KeyKind::Number,
     QStringLiteral("Monthly repayment")},
    {QStringLiteral("rows[].totalInterest"), KeyKind::Number, QStringLiteral("Total Interest")},
    {QStringLiteral("rows[].totalPaid"), KeyKind::Number, QStringLiteral("Total Paid")},
    {QStringLiteral("printable"), KeyKind::Flag, QStringLiteral("bond amount and rate above 0")},
};

CommandResult runComparison(const JsonInputValue &json, const RunOptions &options) {
    InputReader r(json, kComparisonInputs);
    ComparisonInputs in;
    in.bondAmount = fieldNumber(r, QStringLiteral("bondAmount"), tax::kLoanAmount);
    in.rate = static_cast<float>(
        fieldNumber(r, QStringLiteral("rate"), tax::kLoanRate, kLoanRateMessage));
    if (!r.ok())
        return CommandResult::failure(r.error());
    const ComparisonResults out = calculateComparison(in);
    JsonList rows;
    for (const ComparisonRow &row : out.rows)
        rows.append(JsonObject{{"months", row.months},
                               {"period", row.label},
                               {"monthlyRepayment", row.repayment},
                               {"totalInterest", row.totalInterest},
                               {"totalPaid", row.totalPaid}});
    return {JsonObject{{"rows", rows}, {"printable", comparisonPrintable(in)}},
            {},
            printWhenAsked(options, [in, out] {
                return report::PrintJob{
                    {report::ReportData::singleRecord(kComparisonTable, comparisonRecord(in, out))},
                    kComparisonLayout,
                    kComparisonPreviewTitle};
            })};
}

} // namespace

void registerLoanCommands(CommandRegistry &registry) {
    registry.add({QStringLiteral("loan"),
                  QStringLiteral("loan repayment, principal, period or interest rate, with its "
                                 "amortisation schedule"),
                  kLoanInputs, kLoanOutputs, runLoan, true});
    registry.add({QStringLiteral("loan-buster"),
                  QStringLiteral("the shorter period and saving of an extra monthly payment"),
                  kBusterInputs, kBusterOutputs, runBuster, true});
    registry.add({QStringLiteral("loan-comparison"),
                  QStringLiteral("repayments and totals of a bond over 5 to 30 years"),
                  kComparisonInputs, kComparisonOutputs, runComparison, true});
}

} // namespace quillon::cli
