#include "cli/LoanCommands.h"

#include "business/LoanBuster.h"
#include "business/LoanCalc.h"
#include "business/LoanComparison.h"
#include "business/LoanFormulas.h"
#include "business/LoanReport.h"
#include "business/LoanSchedule.h"
#include "taxengine/NumberText.h"
#include "taxengine/TaxRules.h"

#include <QJsonArray>

#include <cmath>
#include <memory>

namespace quillon::cli {

using namespace quillon::business;

double limitedNumber(InputReader &r, const QString &key, double max, const QString &message) {
    const double v = r.number(key);
    if (!r.ok())
        return 0;
    if (v > max)
        r.fail(message.isEmpty()
                   ? QStringLiteral("\"%1\" must be at most %2").arg(key, plainNumber(max))
                   : message);
    else if (v < 0)
        r.fail(QStringLiteral("\"%1\" must not be negative").arg(key));
    return v;
}

namespace {

double wholeMonths(InputReader &r, const QString &key) {
    const double v = limitedNumber(r, key, kMaxLoanMonths, kLoanPeriodMessage);
    if (r.ok() && v != std::floor(v))
        r.fail(QStringLiteral("\"%1\" must be a whole number of months").arg(key));
    return v;
}

const std::vector<KeySpec> kLoanInputs = {
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

const std::vector<KeySpec> kLoanOutputs = {
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
    {QStringLiteral("message"), KeyKind::Text, QStringLiteral("why no rate was found")},
    {QStringLiteral("oneMonth"), KeyKind::Flag,
     QStringLiteral("one repayment clears the loan: period 1 at the one-month repayment")},
    {QStringLiteral("schedule"), KeyKind::List,
     QStringLiteral("rows {month|year, capital, interest, balance} when asked and all four "
                    "figures are set")},
};

CommandResult runLoan(const QJsonObject &json, const RunOptions &) {
    InputReader r(json, kLoanInputs);
    LoanInputs in;
    const QString modeText = r.text(QStringLiteral("mode"), loanModeText(LoanMode::Repayment));
    in.principal = limitedNumber(r, QStringLiteral("principal"), kMaxLoanPrincipal);
    in.period = wholeMonths(r, QStringLiteral("period"));
    in.rate = limitedNumber(r, QStringLiteral("rate"), kMaxLoanRate, kLoanRateMessage);
    in.repayment = limitedNumber(r, QStringLiteral("repayment"), kMaxLoanRepayment);
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
    QJsonObject o{{QStringLiteral("mode"), loanModeText(in.mode)},
                  {QStringLiteral("principal"), out.principal},
                  {QStringLiteral("period"), out.period},
                  {QStringLiteral("rate"), out.rate},
                  {QStringLiteral("repayment"), out.repayment},
                  {QStringLiteral("totalInterest"), out.totalInterest},
                  {QStringLiteral("totalRepayments"), out.totalRepayments},
                  {QStringLiteral("errorMarker"), out.errorMarker},
                  {QStringLiteral("rateFound"), out.rateFound},
                  {QStringLiteral("oneMonth"), out.oneMonth}};
    if (!out.rateFound)
        o.insert(QStringLiteral("message"), kRateNotFoundMessage);

    if (amort != Amortisation::None) {
        QJsonArray rows;
        if (loanComplete(out.principal, out.period, out.rate, out.repayment)) {
            auto schedules = std::make_unique<LoanSchedules>();
            const LoanPrint print{in.mode,       out.principal, out.period, out.rate,
                                  out.repayment, true,          amort};
            const LoanReportData data = loanReportData(print, *schedules);
            const QString numberKey =
                amort == Amortisation::Annual ? QStringLiteral("year") : QStringLiteral("month");
            for (const report::ReportRecord &row : data.amort.rows)
                rows.append(QJsonObject{{numberKey, row[0].value.toInt()},
                                        {QStringLiteral("capital"), row[1].value.toDouble()},
                                        {QStringLiteral("interest"), row[2].value.toDouble()},
                                        {QStringLiteral("balance"), row[3].value.toDouble()}});
        }
        o.insert(QStringLiteral("schedule"), rows);
    }
    return {o, {}};
}

const std::vector<KeySpec> kBusterInputs = {
    {QStringLiteral("principal"), KeyKind::Number,
     QStringLiteral("Principal amount, at most 99999999.99")},
    {QStringLiteral("period"), KeyKind::Integer,
     QStringLiteral("Period in months, at most 600 (rounded half to even)")},
    {QStringLiteral("rate"), KeyKind::Number,
     QStringLiteral("Interest rate, % p.a., at most 50 (held in single precision)")},
    {QStringLiteral("extraPayment"), KeyKind::Number,
     QStringLiteral("Extra voluntary payments, at most 99999999.99")},
};

const std::vector<KeySpec> kBusterOutputs = {
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
     QStringLiteral("false when the extra exceeds ten repayments (right column not worked out)")},
    {QStringLiteral("oneMonth"), KeyKind::Flag,
     QStringLiteral("the repayment with the extra clears the loan in one month")},
};

CommandResult runBuster(const QJsonObject &json, const RunOptions &) {
    InputReader r(json, kBusterInputs);
    BusterInputs in;
    in.principal = limitedNumber(r, QStringLiteral("principal"), kMaxBusterAmount);
    in.period = tax::toInt16(
        limitedNumber(r, QStringLiteral("period"), kMaxLoanMonths, kLoanPeriodMessage));
    in.rate = static_cast<float>(
        limitedNumber(r, QStringLiteral("rate"), kMaxBusterRate, kLoanRateMessage));
    in.extraPayment = limitedNumber(r, QStringLiteral("extraPayment"), kMaxBusterAmount);
    if (!r.ok())
        return CommandResult::failure(r.error());

    auto loan = std::make_unique<LoanMemory>();
    const BusterResults out = calculateBuster(in, BusterResults{}, *loan);
    return {QJsonObject{{QStringLiteral("repayment"), out.repayment},
                        {QStringLiteral("totalInterest"), out.totalInterest},
                        {QStringLiteral("totalRepayments"), out.totalRepayments},
                        {QStringLiteral("extraPayment"), out.extraPayment},
                        {QStringLiteral("newPeriod"), out.newPeriod},
                        {QStringLiteral("newRepayment"), out.newRepayment},
                        {QStringLiteral("newTotalInterest"), out.newTotalInterest},
                        {QStringLiteral("newTotalRepayments"), out.newTotalRepayments},
                        {QStringLiteral("totalSaving"), out.totalSaving},
                        {QStringLiteral("extraApplied"), out.extraApplied},
                        {QStringLiteral("oneMonth"), out.oneMonth}},
            {}};
}

const std::vector<KeySpec> kComparisonInputs = {
    {QStringLiteral("bondAmount"), KeyKind::Number,
     QStringLiteral("Bond amount, at most 99999999.99")},
    {QStringLiteral("rate"), KeyKind::Number,
     QStringLiteral("Interest rate, % p.a., at most 50 (held in single precision)")},
};

const std::vector<KeySpec> kComparisonOutputs = {
    {QStringLiteral("rows"), KeyKind::List,
     QStringLiteral("per term of 60 to 360 months: {months, period, monthlyRepayment, "
                    "totalInterest, totalPaid}")},
    {QStringLiteral("printable"), KeyKind::Flag, QStringLiteral("bond amount and rate above 0")},
};

CommandResult runComparison(const QJsonObject &json, const RunOptions &) {
    InputReader r(json, kComparisonInputs);
    ComparisonInputs in;
    in.bondAmount = limitedNumber(r, QStringLiteral("bondAmount"), kMaxLoanPrincipal);
    in.rate = static_cast<float>(
        limitedNumber(r, QStringLiteral("rate"), kMaxLoanRate, kLoanRateMessage));
    if (!r.ok())
        return CommandResult::failure(r.error());
    const ComparisonResults out = calculateComparison(in);
    QJsonArray rows;
    for (const ComparisonRow &row : out.rows)
        rows.append(QJsonObject{{QStringLiteral("months"), row.months},
                                {QStringLiteral("period"), row.label},
                                {QStringLiteral("monthlyRepayment"), row.repayment},
                                {QStringLiteral("totalInterest"), row.totalInterest},
                                {QStringLiteral("totalPaid"), row.totalPaid}});
    return {QJsonObject{{QStringLiteral("rows"), rows},
                        {QStringLiteral("printable"), comparisonPrintable(in)}},
            {}};
}

} // namespace

void registerLoanCommands(CommandRegistry &registry) {
    registry.add({QStringLiteral("loan"),
                  QStringLiteral("loan repayment, principal, period or interest rate, with its "
                                 "amortisation schedule"),
                  kLoanInputs, kLoanOutputs, runLoan, false});
    registry.add({QStringLiteral("loan-buster"),
                  QStringLiteral("the shorter period and saving of an extra monthly payment"),
                  kBusterInputs, kBusterOutputs, runBuster, false});
    registry.add({QStringLiteral("loan-comparison"),
                  QStringLiteral("repayments and totals of a bond over 5 to 30 years"),
                  kComparisonInputs, kComparisonOutputs, runComparison, false});
}

} // namespace quillon::cli
