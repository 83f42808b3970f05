#include "business/BusinessFields.h"

namespace quillon::business {

using namespace Qt::Literals::StringLiterals;
using tax::InputField;
using tax::OutputField;
using tax::slot;
using tax::ValueKind;

QString loanModeKey() {
    return u"mode"_s;
}

QString loanScheduleKey() {
    return u"schedule"_s;
}

QString rateKey() {
    return u"rate"_s;
}

QString periodKey() {
    return u"period"_s;
}

QString startDateKey() {
    return u"startDate"_s;
}

QString endDateKey() {
    return u"endDate"_s;
}

QString dateStepsKey() {
    return u"dateSteps"_s;
}

QString rateStepsKey() {
    return u"rateSteps"_s;
}

QString periodStepsKey() {
    return u"periodSteps"_s;
}

namespace {

// A figure the window refuses above its maximum with its own message.
template <class Inputs> InputField<Inputs> refusedAbove(InputField<Inputs> f, QString message) {
    f.aboveMessage = std::move(message);
    return f;
}

// A key quillon-calc reads itself, with no field of the window's.
template <class Inputs>
InputField<Inputs> commandKey(QString key, ValueKind kind, tax::FieldRange range, QString help) {
    return tax::input<Inputs>(std::move(key), {}, {}, kind, range, std::move(help));
}

template <class Results>
OutputField<Results> money(QString key, QString name, QString caption, QString help,
                           std::function<double(const Results &)> value,
                           const char16_t *pattern = u"0.00") {
    return tax::output<Results>(std::move(key), std::move(name), std::move(caption),
                                ValueKind::Figure, pattern, true, std::move(help),
                                std::move(value));
}

// An answer the command writes itself: a word, a list, or a figure that is not a result.
template <class Results> OutputField<Results> answered(QString key, ValueKind kind, QString help) {
    return tax::output<Results>(std::move(key), {}, {}, kind, u"0.00", false, std::move(help));
}

template <class Results> OutputField<Results> flag(QString key, QString help, bool Results::*m) {
    return tax::output<Results>(std::move(key), {}, {}, ValueKind::Flag, u"0", false,
                                std::move(help), tax::reading<Results>(m));
}

LoanDescription makeLoan() {
    using In = LoanInputs;
    using Out = LoanResults;
    return {
        u"loan"_s,
        u"loan repayment, principal, period or interest rate, with its amortisation schedule"_s,
        {
            commandKey<In>(loanModeKey(), ValueKind::Text, {},
                           u"\"Monthly repayment\" (default), \"Principal amount\", \"Repayment "
                           "period\", \"Interest rate\", or repayment/principal/period/rate"_s),
            tax::input<In>(u"principal"_s, u"numPrinAmount"_s, u"Principal amount"_s,
                           ValueKind::Amount, tax::kLoanAmount,
                           u"Principal amount, at most 99999999.99"_s, slot<In>(&In::principal)),
            refusedAbove(tax::input<In>(periodKey(), u"numPeriod"_s, u"Period"_s, ValueKind::Count,
                                        tax::kLoanMonths, u"Period in months, at most 600"_s,
                                        slot<In>(&In::period)),
                         kLoanPeriodMessage),
            refusedAbove(tax::input<In>(rateKey(), u"numIntRate"_s, u"Interest rate"_s,
                                        ValueKind::Figure, tax::kLoanRate,
                                        u"Interest rate, % p.a., at most 50"_s,
                                        slot<In>(&In::rate)),
                         kLoanRateMessage),
            tax::input<In>(u"repayment"_s, u"numMonRePay"_s, u"Monthly repayment"_s,
                           ValueKind::Amount, tax::kLoanRepayment,
                           u"Monthly repayment, at most 9999999.99"_s, slot<In>(&In::repayment)),
            commandKey<In>(
                loanScheduleKey(), ValueKind::Text, {},
                u"none (default), monthly or annual: list the amortisation rows as printed"_s),
        },
        {
            answered<Out>(loanModeKey(), ValueKind::Text, u"the calculate mode"_s),
            money<Out>(u"principal"_s, {}, {}, u"Principal amount"_s,
                       tax::reading<Out>(&Out::principal)),
            tax::output<Out>(periodKey(), {}, {}, ValueKind::Count, u"0", false,
                             u"Period (0: no period up to 600 months)"_s,
                             tax::reading<Out>(&Out::period)),
            money<Out>(rateKey(), {}, {}, u"Interest rate"_s, tax::reading<Out>(&Out::rate)),
            money<Out>(u"repayment"_s, {}, {}, u"Monthly repayment"_s,
                       tax::reading<Out>(&Out::repayment)),
            money<Out>(u"totalInterest"_s, u"numAns1"_s, u"Total Interest"_s,
                       u"Total Interest: R x n - P"_s, tax::reading<Out>(&Out::totalInterest)),
            money<Out>(u"totalRepayments"_s, u"numAns2"_s, u"Total Repayments"_s,
                       u"Total Repayments: R x n"_s, tax::reading<Out>(&Out::totalRepayments)),
            flag<Out>(u"errorMarker"_s,
                      u"the \"   Error\" marker: a solved rate above 50, or none found"_s,
                      &Out::errorMarker),
            flag<Out>(u"rateFound"_s, u"false when no rate below 1000% gives the repayment"_s,
                      &Out::rateFound),
            flag<Out>(u"oneMonth"_s,
                      u"one repayment clears the loan: period 1 at the one-month repayment"_s,
                      &Out::oneMonth),
            answered<Out>(u"message"_s, ValueKind::Text, u"why no rate or no period was found"_s),
            answered<Out>(loanScheduleKey(), ValueKind::List,
                          u"rows {month|year, capital, interest, balance} when asked and all four "
                          "figures are set"_s),
            // The members of each schedule row, which a CSV answer gives rows of their own.
            answered<Out>(loanScheduleKey() + u"[].month"_s, ValueKind::Count,
                          u"the month (monthly)"_s),
            answered<Out>(loanScheduleKey() + u"[].year"_s, ValueKind::Count,
                          u"the year (annual)"_s),
            answered<Out>(loanScheduleKey() + u"[].capital"_s, ValueKind::Figure,
                          u"Capital payment"_s),
            answered<Out>(loanScheduleKey() + u"[].interest"_s, ValueKind::Figure,
                          u"Interest payment"_s),
            answered<Out>(loanScheduleKey() + u"[].balance"_s, ValueKind::Figure, u"Balance"_s),
        },
    };
}

BusterDescription makeBuster() {
    using In = BusterInputs;
    using Out = BusterResults;
    const auto result = [](QString key, QString name, QString caption, QString help,
                           double Out::*m) {
        return money<Out>(std::move(key), std::move(name), std::move(caption), std::move(help),
                          tax::reading<Out>(m));
    };
    const auto column = [](int index) { return u"numAns1%1"_s.arg(index); };
    return {
        u"loan-buster"_s,
        u"the shorter period and saving of an extra monthly payment"_s,
        {
            tax::input<In>(u"principal"_s, u"numPrinAmount"_s, u"Principal amount"_s,
                           ValueKind::Amount, tax::kLoanAmount,
                           u"Principal amount, at most 99999999.99"_s, slot<In>(&In::principal)),
            refusedAbove(tax::input<In>(periodKey(), u"numPeriod"_s, u"Period"_s, ValueKind::Count,
                                        tax::kLoanMonths,
                                        u"Period in months, at most 600 (rounded half to even)"_s,
                                        slot<In>(&In::period)),
                         kLoanPeriodMessage),
            refusedAbove(
                tax::input<In>(rateKey(), u"numIntRate"_s, u"Interest rate"_s, ValueKind::Figure,
                               tax::kLoanRate,
                               u"Interest rate, % p.a., at most 50 (held in single precision)"_s,
                               slot<In>(&In::rate)),
                kLoanRateMessage),
            tax::input<In>(u"extraPayment"_s, u"numXtraPay"_s, u"Extra voluntary payments"_s,
                           ValueKind::Amount, tax::kLoanAmount,
                           u"Extra voluntary payments, at most 99999999.99"_s,
                           slot<In>(&In::extraPayment)),
        },
        {
            result(u"repayment"_s, u"numMonRePay"_s, u"Monthly repayment"_s, u"Monthly repayment"_s,
                   &Out::repayment),
            result(u"totalInterest"_s, column(0), u"Total interest"_s, u"Total interest"_s,
                   &Out::totalInterest),
            result(u"totalRepayments"_s, column(1), u"Total repayments"_s, u"Total repayments"_s,
                   &Out::totalRepayments),
            result(u"extraPayment"_s, {}, {},
                   u"the extra payment as the field shows it afterwards"_s, &Out::extraPayment),
            result({}, column(2), u"Principal amount"_s, u"the principal of the loan"_s,
                   &Out::principal),
            tax::output<Out>(u"newPeriod"_s, u"numAns2"_s, u"Period"_s, ValueKind::Count, u"0",
                             false, u"Period with the extra"_s, tax::reading<Out>(&Out::newPeriod)),
            tax::output<Out>({}, column(3), u"Interest rate"_s, ValueKind::Figure, u"0.000", false,
                             u"the interest rate of the loan"_s, tax::reading<Out>(&Out::rate)),
            result(u"newRepayment"_s, column(4), u"Monthly repayment"_s,
                   u"Monthly repayment with the extra"_s, &Out::newRepayment),
            result(u"newTotalInterest"_s, column(5), u"Total interest"_s, u"Total interest"_s,
                   &Out::newTotalInterest),
            result(u"newTotalRepayments"_s, column(6), u"Total repayments"_s, u"Total repayments"_s,
                   &Out::newTotalRepayments),
            result(u"totalSaving"_s, column(7), u"Total saving"_s, u"Total saving"_s,
                   &Out::totalSaving),
            flag<Out>(u"extraApplied"_s,
                      u"false when the extra exceeds ten repayments (right column cleared)"_s,
                      &Out::extraApplied),
            flag<Out>(u"oneMonth"_s, u"the repayment with the extra clears the loan in one month"_s,
                      &Out::oneMonth),
        },
    };
}

ComparisonDescription makeComparison() {
    using In = ComparisonInputs;
    using Out = ComparisonResults;
    return {
        u"loan-comparison"_s,
        u"repayments and totals of a bond over 5 to 30 years"_s,
        {
            tax::input<In>(u"bondAmount"_s, u"numBAmt"_s, u"Bond amount"_s, ValueKind::Amount,
                           tax::kLoanAmount, u"Bond amount, at most 99999999.99"_s,
                           slot<In>(&In::bondAmount)),
            refusedAbove(
                tax::input<In>(rateKey(), u"numIntRate"_s, u"Interest rate"_s, ValueKind::Figure,
                               tax::kLoanRate,
                               u"Interest rate, % p.a., at most 50 (held in single precision)"_s,
                               slot<In>(&In::rate)),
                kLoanRateMessage),
        },
        {
            answered<Out>(u"rows"_s, ValueKind::List,
                          u"per term of 60 to 360 months: {months, period, monthlyRepayment, "
                          "totalInterest, totalPaid}"_s),
            answered<Out>(u"rows[].months"_s, ValueKind::Count, u"the term in months"_s),
            answered<Out>(u"rows[].period"_s, ValueKind::Text, u"Period"_s),
            answered<Out>(u"rows[].monthlyRepayment"_s, ValueKind::Figure, u"Monthly repayment"_s),
            answered<Out>(u"rows[].totalInterest"_s, ValueKind::Figure, u"Total Interest"_s),
            answered<Out>(u"rows[].totalPaid"_s, ValueKind::Figure, u"Total Paid"_s),
            answered<Out>(u"printable"_s, ValueKind::Flag, u"bond amount and rate above 0"_s),
        },
    };
}

DailyBalanceDescription makeDailyBalance() {
    using In = DailyBalanceInputs;
    using Out = DailyBalanceResults;
    // The dates are held as day numbers: the window binds them itself and quillon-calc checks
    // them against each other.
    const auto day = [](QString key, QString name, QString caption, QString help) {
        return tax::input<In>(std::move(key), std::move(name), std::move(caption), ValueKind::Date,
                              tax::FieldRange{u"dd/mm/yyyy", 0, 0}, std::move(help));
    };
    return {
        u"daily-balance"_s,
        u"simple interest on a capital amount between two dates"_s,
        {
            tax::input<In>(u"capital"_s, u"numCapAmount"_s, u"Capital amount"_s, ValueKind::Amount,
                           tax::kRandAndCents, u"Capital amount"_s, slot<In>(&In::capital)),
            day(startDateKey(), u"dtStartDate"_s, u"Start date"_s, u"Start date"_s),
            day(endDateKey(), u"dtEndDate"_s, u"End date"_s,
                u"End date, from the start date to 10960 days after it"_s),
            refusedAbove(tax::input<In>(rateKey(), u"numIntRate"_s, u"Interest rate"_s,
                                        ValueKind::Figure, tax::kDailyBalanceRate,
                                        u"Interest rate, % p.a., at most 40"_s,
                                        slot<In>(&In::rate)),
                         kDailyRateMessage),
            commandKey<In>(dateStepsKey(), ValueKind::Count, kSpinClicks,
                           u"clicks of the date spinner on the end date (negative: down); needs a "
                           "start date"_s),
            commandKey<In>(rateStepsKey(), ValueKind::Count, kSpinClicks,
                           u"clicks of the rate spinner (negative: down); needs a non-zero rate"_s),
        },
        {
            money<Out>(u"interest"_s, u"numAnsDB1"_s, u"Interest accrued"_s, u"Interest accrued"_s,
                       tax::reading<Out>(&Out::interest)),
            tax::output<Out>(u"days"_s, u"numAnsDB2"_s, u"Number of days"_s, ValueKind::Count, u"0",
                             false, u"Number of days: end - start"_s,
                             tax::reading<Out>(&Out::days)),
            answered<Out>(rateKey(), ValueKind::Figure, u"the rate after the clicks"_s),
            answered<Out>(endDateKey(), ValueKind::Date, u"the end date after the clicks"_s),
            answered<Out>(u"beep"_s, ValueKind::Flag, u"a rate click wrapped with a beep"_s),
            answered<Out>(u"printable"_s, ValueKind::Flag,
                          u"interest and days above 0 (otherwise printing is refused)"_s),
        },
    };
}

InflationDescription makeInflation() {
    using In = InflationInputs;
    using Out = InflationResults;
    return {
        u"inflation"_s,
        u"future cost and buying power after years of inflation"_s,
        {
            tax::input<In>(u"presentCost"_s, u"numPresCost"_s, u"Present cost"_s, ValueKind::Amount,
                           tax::kWholeRand, u"Present cost in rand"_s, slot<In>(&In::presentCost)),
            refusedAbove(tax::input<In>(periodKey(), u"numPeriod"_s, u"Period"_s, ValueKind::Count,
                                        tax::kInflationYears, u"Period in years, at most 40"_s,
                                        slot<In>(&In::period)),
                         kInflationPeriodMessage),
            tax::input<In>(rateKey(), u"numInflaRate"_s, u"Inflation rate"_s, ValueKind::Figure,
                           tax::kInflationRate, u"Inflation rate, % p.a., from -5 to 40"_s,
                           slot<In>(&In::rate)),
            commandKey<In>(rateStepsKey(), ValueKind::Count, kSpinClicks,
                           u"clicks of the rate spinner (negative: down)"_s),
            commandKey<In>(
                periodStepsKey(), ValueKind::Count, kSpinClicks,
                u"clicks of the period spinner (negative: down); needs a non-zero period"_s),
        },
        {
            money<Out>(u"futureValue"_s, u"numAns1"_s, u"Future value/cost"_s,
                       u"Future value/cost"_s, tax::reading<Out>(&Out::futureValue), u"0"),
            money<Out>(u"buyingPower"_s, u"numAns2"_s, u"Buying power"_s, u"Buying power"_s,
                       tax::reading<Out>(&Out::buyingPower), u"0"),
            answered<Out>(u"futureValueText"_s, ValueKind::Text,
                          u"whole rand as shown, or \"Amount too large to display\""_s),
            answered<Out>(u"buyingPowerText"_s, ValueKind::Text, u"whole rand as shown"_s),
            answered<Out>(u"tooLarge"_s, ValueKind::Flag,
                          u"the future value is above 9999999999"_s),
            answered<Out>(periodKey(), ValueKind::Count, u"the period after the clicks"_s),
            answered<Out>(rateKey(), ValueKind::Figure, u"the rate after the clicks"_s),
            answered<Out>(u"beep"_s, ValueKind::Flag, u"a click sounded the beep"_s),
            answered<Out>(u"printable"_s, ValueKind::Flag,
                          u"a future value above 0 that can be shown"_s),
        },
    };
}

} // namespace

const LoanDescription &loanDescription() {
    static const LoanDescription d = makeLoan();
    return d;
}

const BusterDescription &busterDescription() {
    static const BusterDescription d = makeBuster();
    return d;
}

const ComparisonDescription &comparisonDescription() {
    static const ComparisonDescription d = makeComparison();
    return d;
}

const DailyBalanceDescription &dailyBalanceDescription() {
    static const DailyBalanceDescription d = makeDailyBalance();
    return d;
}

const InflationDescription &inflationDescription() {
    static const InflationDescription d = makeInflation();
    return d;
}

} // namespace quillon::business
