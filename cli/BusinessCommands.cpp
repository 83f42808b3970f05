#include "cli/Command.h"
#include "cli/LoanCommands.h"

#include "business/DailyBalance.h"
#include "business/Inflation.h"
#include "taxengine/NumberText.h"
#include "taxengine/TaxRules.h"

#include <cmath>
#include <cstdlib>

namespace quillon::cli {

using namespace quillon::business;

namespace {

// Spinner clicks: a positive count steps up, a negative one down. At most a thousand, so a
// stray figure cannot keep the command busy.
int spinClicks(InputReader &r, const QString &key) {
    constexpr tax::FieldRange kClicks{u"0", -1000, 1000};
    const std::int16_t n = r.int16(key, kClicks);
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

const std::vector<JsonKey> kDailyInputs = {
    {QStringLiteral("capital"), KeyKind::Number, QStringLiteral("Capital amount")},
    {QStringLiteral("rate"), KeyKind::Number, QStringLiteral("Interest rate, % p.a., at most 40")},
    {QStringLiteral("startDate"), KeyKind::Date, QStringLiteral("Start date")},
    {QStringLiteral("endDate"), KeyKind::Date,
     QStringLiteral("End date, from the start date to 10960 days after it")},
    {QStringLiteral("dateSteps"), KeyKind::Integer,
     QStringLiteral("clicks of the date spinner on the end date (negative: down); needs a start "
                    "date")},
    {QStringLiteral("rateSteps"), KeyKind::Integer,
     QStringLiteral("clicks of the rate spinner (negative: down); needs a non-zero rate")},
};

const std::vector<JsonKey> kDailyOutputs = {
    {QStringLiteral("interest"), KeyKind::Number, QStringLiteral("Interest accrued")},
    {QStringLiteral("days"), KeyKind::Integer, QStringLiteral("Number of days: end - start")},
    {QStringLiteral("rate"), KeyKind::Number, QStringLiteral("the rate after the clicks")},
    {QStringLiteral("endDate"), KeyKind::Date, QStringLiteral("the end date after the clicks")},
    {QStringLiteral("beep"), KeyKind::Flag, QStringLiteral("a rate click wrapped with a beep")},
    {QStringLiteral("printable"), KeyKind::Flag,
     QStringLiteral("interest and days above 0 (otherwise printing is refused)")},
};

CommandResult runDailyBalance(const JsonInputValue &json, const RunOptions &options) {
    InputReader r(json, kDailyInputs);
    DailyBalanceInputs in;
    in.capital = r.number(QStringLiteral("capital"), tax::kRandAndCents);
    in.rate = fieldNumber(r, QStringLiteral("rate"), tax::kDailyBalanceRate, kDailyRateMessage);
    const QString start = dateText(r, QStringLiteral("startDate"));
    const QString end = dateText(r, QStringLiteral("endDate"));
    const int dateSteps = spinClicks(r, QStringLiteral("dateSteps"));
    const int rateSteps = spinClicks(r, QStringLiteral("rateSteps"));
    if (r.ok()) {
        const DateCheck s = checkStartDate(start, kUnsetDay);
        const DateCheck e = checkEndDate(end, s.day);
        if (!s.ok)
            r.fail(QStringLiteral("startDate: ") + s.message);
        else if (!e.ok)
            r.fail(QStringLiteral("endDate: ") + e.message);
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
    return {JsonObject{{"interest", out.interest},
                       {"days", out.days},
                       {"rate", in.rate},
                       {"endDate", dayText(in.endDay)},
                       {"beep", beep},
                       {"printable", dailyBalancePrintable(out)}},
            {},
            printWhenAsked(options, [in, out] {
                return report::PrintJob{{report::ReportData::singleRecord(
                                            kDailyBalanceTable, dailyBalanceRecord(in, out))},
                                        kDailyBalanceLayout,
                                        kDailyBalancePreviewTitle};
            })};
}

const std::vector<JsonKey> kInflationInputs = {
    {QStringLiteral("presentCost"), KeyKind::Number, QStringLiteral("Present cost in rand")},
    {QStringLiteral("period"), KeyKind::Integer, QStringLiteral("Period in years, at most 40")},
    {QStringLiteral("rate"), KeyKind::Number,
     QStringLiteral("Inflation rate, % p.a., from -5 to 40")},
    {QStringLiteral("rateSteps"), KeyKind::Integer,
     QStringLiteral("clicks of the rate spinner (negative: down)")},
    {QStringLiteral("periodSteps"), KeyKind::Integer,
     QStringLiteral("clicks of the period spinner (negative: down); needs a non-zero period")},
};

const std::vector<JsonKey> kInflationOutputs = {
    {QStringLiteral("futureValue"), KeyKind::Number, QStringLiteral("Future value/cost")},
    {QStringLiteral("buyingPower"), KeyKind::Number, QStringLiteral("Buying power")},
    {QStringLiteral("futureValueText"), KeyKind::Text,
     QStringLiteral("whole rand as shown, or \"Amount too large to display\"")},
    {QStringLiteral("buyingPowerText"), KeyKind::Text, QStringLiteral("whole rand as shown")},
    {QStringLiteral("tooLarge"), KeyKind::Flag,
     QStringLiteral("the future value is above 9999999999")},
    {QStringLiteral("period"), KeyKind::Integer, QStringLiteral("the period after the clicks")},
    {QStringLiteral("rate"), KeyKind::Number, QStringLiteral("the rate after the clicks")},
    {QStringLiteral("beep"), KeyKind::Flag, QStringLiteral("a click sounded the beep")},
    {QStringLiteral("printable"), KeyKind::Flag,
     QStringLiteral("a future value above 0 that can be shown")},
};

QString wholeRand(double value) {
    return formatPattern(tax::roundHalfEven(value), u"0");
}

CommandResult runInflation(const JsonInputValue &json, const RunOptions &options) {
    InputReader r(json, kInflationInputs);
    InflationInputs in;
    in.presentCost = r.number(QStringLiteral("presentCost"), tax::kWholeRand);
    in.period =
        fieldNumber(r, QStringLiteral("period"), tax::kInflationYears, kInflationPeriodMessage);
    in.rate = r.number(QStringLiteral("rate"), tax::kInflationRate);
    const int rateSteps = spinClicks(r, QStringLiteral("rateSteps"));
    const int periodSteps = spinClicks(r, QStringLiteral("periodSteps"));
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
    return {
        JsonObject{{"futureValue", out.futureValue},
                   {"buyingPower", out.buyingPower},
                   {"futureValueText", out.tooLarge ? kTooLargeText : wholeRand(out.futureValue)},
                   {"buyingPowerText", wholeRand(out.buyingPower)},
                   {"tooLarge", out.tooLarge},
                   {"period", in.period},
                   {"rate", in.rate},
                   {"beep", beep},
                   {"printable", inflationPrintable(out)}},
        {},
        printWhenAsked(options, [in, out] {
            return report::PrintJob{
                {report::ReportData::singleRecord(kInflationTable, inflationRecord(in, out))},
                kInflationLayout,
                kInflationPreviewTitle};
        })};
}

} // namespace

void registerBusinessCommands(CommandRegistry &registry) {
    registerLoanCommands(registry);
    registry.add({QStringLiteral("daily-balance"),
                  QStringLiteral("simple interest on a capital amount between two dates"),
                  kDailyInputs, kDailyOutputs, runDailyBalance, true});
    registry.add({QStringLiteral("inflation"),
                  QStringLiteral("future cost and buying power after years of inflation"),
                  kInflationInputs, kInflationOutputs, runInflation, true});
}

} // namespace quillon::cli
