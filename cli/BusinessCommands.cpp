#include "cli/Command.h"
#include "cli/Described.h"
#include "cli/LoanCommands.h"

#include "business/BusinessFields.h"
#include "business/DailyBalance.h"
#include "business/Inflation.h"
#include "taxengine/NumberText.h"
#include "taxengine/TaxRules.h"

#include <cmath>
#include <cstdlib>

namespace quillon::cli {

using namespace quillon::business;

namespace {

// Spinner clicks: a positive count steps up, a negative one down.
int spinClicks(InputReader &r, const QString &key) {
    const std::int16_t n = r.int16(key, kSpinClicks);
    return r.ok() ? n : 0;
}

static_assert(tax::kDailyBalanceRate.maximum == kMaxDailyRate);
static_assert(tax::kInflationYears.maximum == kMaxInflationPeriod);
static_assert(tax::kInflationRate.minimum == kMinInflationRate &&
              tax::kInflationRate.maximum == kMaxInflationRate);

// A date typed dd/mm/yyyy (yyyy-mm-dd is taken too); empty when the key is missing.
QString dateText(InputReader &r, const QString &key) {
    const QString text = r.text(key);
    const QDate iso = QDate::fromString(text, Qt::ISODate);
    return iso.isValid() ? iso.toString(QStringLiteral("dd/MM/yyyy")) : text;
}

CommandResult runDailyBalance(const JsonInputValue &json, const RunOptions &options) {
    const DailyBalanceDescription &d = dailyBalanceDescription();
    static const std::vector<JsonKey> keys = describedKeys(d.inputs);
    InputReader r(json, keys);
    DailyBalanceInputs in;
    readDescribed(r, d.inputs, in);
    const QString start = dateText(r, startDateKey());
    const QString end = dateText(r, endDateKey());
    const int dateSteps = spinClicks(r, dateStepsKey());
    const int rateSteps = spinClicks(r, rateStepsKey());
    if (r.ok()) {
        const DateCheck s = checkStartDate(start, kUnsetDay);
        const DateCheck e = checkEndDate(end, s.day);
        if (!s.ok)
            r.fail(startDateKey() + QStringLiteral(": ") + s.message);
        else if (!e.ok)
            r.fail(endDateKey() + QStringLiteral(": ") + e.message);
        in.startDay = s.day;
        in.endDay = e.day;
    }
    if (!r.ok())
        return CommandResult::failure(r.error());

    for (int i = 0; i < std::abs(dateSteps); ++i)
        in.endDay = stepEndDay(in.startDay, in.endDay, dateSteps > 0 ? 1 : -1);
    bool beep = false;
    for (int i = 0; i < std::abs(rateSteps); ++i) {
        const DailyRateStep st = stepDailyRate(in.rate, 0.25, rateSteps > 0 ? 1 : -1);
        in.rate = st.rate;
        beep = beep || st.beep;
    }
    const DailyBalanceResults out = calculateDailyBalance(in);
    static const AnswerWriter<DailyBalanceResults> writer(d.outputs);
    JsonObject o = writer.answer(out);
    o.add(rateKey().toStdString(), in.rate)
        .add(endDateKey().toStdString(), dayText(in.endDay))
        .add("beep", beep)
        .add("printable", dailyBalancePrintable(out));
    return {std::move(o), {}, printWhenAsked(options, [in, out] {
                return report::PrintJob{{report::ReportData::singleRecord(
                                            kDailyBalanceTable, dailyBalanceRecord(in, out))},
                                        kDailyBalanceLayout,
                                        kDailyBalancePreviewTitle};
            })};
}

QString wholeRand(double value) {
    return formatPattern(tax::roundHalfEven(value), u"0");
}

CommandResult runInflation(const JsonInputValue &json, const RunOptions &options) {
    const InflationDescription &d = inflationDescription();
    static const std::vector<JsonKey> keys = describedKeys(d.inputs);
    InputReader r(json, keys);
    InflationInputs in;
    readDescribed(r, d.inputs, in);
    const int rateSteps = spinClicks(r, rateStepsKey());
    const int periodSteps = spinClicks(r, periodStepsKey());
    if (!r.ok())
        return CommandResult::failure(r.error());

    bool beep = false;
    for (int i = 0; i < std::abs(rateSteps); ++i) {
        const SpinStep s = stepInflationRate(in.rate, rateSteps > 0 ? 1 : -1);
        in.rate = s.value;
        beep = beep || s.beep;
    }
    for (int i = 0; i < std::abs(periodSteps); ++i) {
        const SpinStep s = stepInflationPeriod(in.period, periodSteps > 0 ? 1 : -1);
        in.period = s.value;
        beep = beep || s.beep;
    }
    const InflationResults out = calculateInflation(in);
    static const AnswerWriter<InflationResults> writer(d.outputs);
    JsonObject o = writer.answer(out);
    o.add("futureValueText", out.tooLarge ? kTooLargeText : wholeRand(out.futureValue))
        .add("buyingPowerText", wholeRand(out.buyingPower))
        .add("tooLarge", out.tooLarge)
        .add(periodKey().toStdString(), in.period)
        .add(rateKey().toStdString(), in.rate)
        .add("beep", beep)
        .add("printable", inflationPrintable(out));
    return {std::move(o), {}, printWhenAsked(options, [in, out] {
                return report::PrintJob{
                    {report::ReportData::singleRecord(kInflationTable, inflationRecord(in, out))},
                    kInflationLayout,
                    kInflationPreviewTitle};
            })};
}

} // namespace

void registerBusinessCommands(CommandRegistry &registry) {
    registerLoanCommands(registry);
    registry.add(describedCommand(dailyBalanceDescription(), runDailyBalance));
    registry.add(describedCommand(inflationDescription(), runInflation));
}

} // namespace quillon::cli
