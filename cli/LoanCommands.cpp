#include "cli/LoanCommands.h"

#include "cli/Described.h"

#include "business/BusinessFields.h"
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

namespace {

CommandResult runLoan(const JsonInputValue &json, const RunOptions &options) {
    const LoanDescription &d = loanDescription();
    static const std::vector<JsonKey> keys = describedKeys(d.inputs);
    InputReader r(json, keys);
    LoanInputs in;
    // The mode is read first, as its problem is told first.
    const QString modeText = r.text(loanModeKey(), loanModeText(LoanMode::Repayment));
    readDescribed(r, d.inputs, in);
    const QString schedule = r.text(loanScheduleKey(), QStringLiteral("none"));
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
        r.fail(QStringLiteral("\"%1\" must be none, monthly or annual").arg(loanScheduleKey()));
    if (!r.ok())
        return CommandResult::failure(r.error());

    const LoanResults out = calculateLoan(in);
    static const AnswerWriter<LoanResults> writer(d.outputs);
    JsonObject o =
        writer.answer(out, JsonObject{{loanModeKey().toStdString(), loanModeText(in.mode)}});
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
        o.add(loanScheduleKey().toStdString(), rows);
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

CommandResult runBuster(const JsonInputValue &json, const RunOptions &options) {
    const BusterDescription &d = busterDescription();
    static const std::vector<JsonKey> keys = describedKeys(d.inputs);
    static const AnswerWriter<BusterResults> writer(d.outputs);
    InputReader r(json, keys);
    BusterInputs in;
    readDescribed(r, d.inputs, in);
    if (!r.ok())
        return CommandResult::failure(r.error());

    // What the buster hands back to the loan window has no reader here. The memory holds both
    // schedules, so it is made once for the batch rather than cleared on every line.
    static const auto loan = std::make_unique<LoanMemory>();
    const BusterResults out = calculateBuster(in, BusterResults{}, *loan);
    return {writer.answer(out), {}, printWhenAsked(options, [in, out] {
                return report::PrintJob{
                    {report::ReportData::singleRecord(kBusterTable, busterRecord(in, out))},
                    kBusterLayout,
                    kBusterPreviewTitle};
            })};
}

CommandResult runComparison(const JsonInputValue &json, const RunOptions &options) {
    static const std::vector<JsonKey> keys = describedKeys(comparisonDescription().inputs);
    InputReader r(json, keys);
    ComparisonInputs in;
    readDescribed(r, comparisonDescription().inputs, in);
    if (!r.ok())
        return CommandResult::failure(r.error());
    const ComparisonResults out = calculateComparison(in);
    // Room for six rows of full-precision figures; one row object serves them all.
    JsonList rows(1024);
    JsonObject o;
    for (const ComparisonRow &row : out.rows) {
        o.clear();
        o.addNumber("months", row.months)
            .addText("period", row.label)
            .addNumber("monthlyRepayment", row.repayment)
            .addNumber("totalInterest", row.totalInterest)
            .addNumber("totalPaid", row.totalPaid);
        rows.append(o);
    }
    JsonObject answer;
    answer.reserve(rows.size() + 32);
    answer.add("rows", rows).add("printable", comparisonPrintable(in));
    return {std::move(answer), {}, printWhenAsked(options, [in, out] {
                return report::PrintJob{
                    {report::ReportData::singleRecord(kComparisonTable, comparisonRecord(in, out))},
                    kComparisonLayout,
                    kComparisonPreviewTitle};
            })};
}

} // namespace

void registerLoanCommands(CommandRegistry &registry) {
    registry.add(describedCommand(loanDescription(), runLoan));
    registry.add(describedCommand(busterDescription(), runBuster));
    registry.add(describedCommand(comparisonDescription(), runComparison));
}

} // namespace quillon::cli
