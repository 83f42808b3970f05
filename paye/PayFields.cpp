#include "paye/PayFields.h"

#include "taxengine/SetupRecord.h"

namespace quillon::paye {

using namespace Qt::Literals::StringLiterals;
using tax::InputField;
using tax::OutputField;
using tax::slot;
using tax::ValueKind;

QString employeeNameKey() {
    return u"employeeName"_s;
}

QString monthBeneficiariesKey() {
    return u"beneficiaries"_s;
}

QString allMonthsBeneficiariesKey() {
    return u"allMonthsBeneficiaries"_s;
}

QString quickTaxField(int index) {
    return u"sidbEdit1%1"_s.arg(index);
}

namespace {

// How one period window names and limits the pay fields every period window shows.
struct PayFieldNames {
    QString period; // "month", "week": the word the help texts use
    QString age;
    QString bonus;
    QString travel;
    QString travelCaption = u"Travel allowance received"_s;
    QString commission = u"numComm"_s;
    QString salary = u"numSalRemun"_s;
    tax::FieldRange amounts = tax::kRandAndCents; // salary, medical aid, commission
    tax::FieldRange bonusAndTravel = tax::kRandAndCents;
    tax::FieldRange fund = tax::kWholeRand; // the R/Fund contributions
    tax::FieldRange beneficiaries = tax::kCount;
};

template <class Inputs>
InputField<Inputs> figure(QString key, QString name, QString caption, tax::FieldRange range,
                          QString help, tax::SlotOf<Inputs> to) {
    return tax::input<Inputs>(std::move(key), std::move(name), std::move(caption),
                              ValueKind::Figure, range, std::move(help), std::move(to));
}

template <class Inputs>
InputField<Inputs> amount(QString key, QString name, QString caption, tax::FieldRange range,
                          QString help, tax::SlotOf<Inputs> to) {
    return tax::input<Inputs>(std::move(key), std::move(name), std::move(caption),
                              ValueKind::Amount, range, std::move(help), std::move(to));
}

template <class Inputs>
InputField<Inputs> count(QString key, QString name, QString caption, tax::FieldRange range,
                         QString help, tax::SlotOf<Inputs> to) {
    return tax::input<Inputs>(std::move(key), std::move(name), std::move(caption), ValueKind::Count,
                              range, std::move(help), std::move(to));
}

template <class Inputs>
InputField<Inputs> dateField(QString key, QString name, QString caption, QString help,
                             tax::SlotOf<Inputs> to) {
    return tax::input<Inputs>(std::move(key), std::move(name), std::move(caption), ValueKind::Date,
                              tax::FieldRange{u"dd/mm/yyyy", 0, 0}, std::move(help), std::move(to));
}

template <class Inputs> InputField<Inputs> inclusionRate(QString help) {
    InputField<Inputs> f = tax::input<Inputs>(
        u"inclusionRate"_s, {}, {}, ValueKind::Choice, tax::kPercent, std::move(help),
        slot<Inputs>(&PayInputs::settings, &PaySettings::inclusionRate));
    // The settings panel offers only the two options.
    f.choices = {0.8, 0.2};
    return f;
}

template <class Inputs> InputField<Inputs> employeeName() {
    InputField<Inputs> f = tax::input<Inputs>(employeeNameKey(), {}, {}, ValueKind::Text, {},
                                              u"name printed on the report"_s);
    return f;
}

template <class Inputs> std::vector<InputField<Inputs>> payInputs(const PayFieldNames &n) {
    return {
        count<Inputs>(u"age"_s, n.age, u"Age"_s, tax::kCount, u"age in years"_s,
                      slot<Inputs>(&PayInputs::age)),
        amount<Inputs>(u"salary"_s, n.salary, u"Salary/remuneration"_s, n.amounts,
                       u"salary/remuneration for the %1 incl. fringe benefits, excl. travel "
                       "allowance"_s.arg(n.period),
                       slot<Inputs>(&PayInputs::salary)),
        amount<Inputs>(u"employerMedAid"_s, u"numEmpERMedAidCont"_s,
                       u"Employer's med aid contrib."_s, n.amounts,
                       u"employer's medical aid contribution"_s,
                       slot<Inputs>(&PayInputs::employerMedAid)),
        amount<Inputs>(u"employeeMedAid"_s, u"numEmpEEMedAidCont"_s,
                       u"Employee's med aid contrib."_s, n.amounts,
                       u"employee's medical aid contribution"_s,
                       slot<Inputs>(&PayInputs::employeeMedAid)),
        amount<Inputs>(
            u"employerFund"_s, u"numEmpRRFundCont"_s, u"Employer's R/Fund contributions "_s, n.fund,
            u"employer's R/Fund contributions"_s, slot<Inputs>(&PayInputs::employerFund)),
        amount<Inputs>(
            u"employeeFund"_s, u"numEmpERFundCont"_s, u"Employee's R/Fund contributions"_s, n.fund,
            u"employee's R/Fund contributions"_s, slot<Inputs>(&PayInputs::employeeFund)),
        amount<Inputs>(u"commission"_s, n.commission, u"Commissions"_s, n.amounts, u"commissions"_s,
                       slot<Inputs>(&PayInputs::commission)),
        amount<Inputs>(u"bonus"_s, n.bonus, u"Bonus"_s, n.bonusAndTravel,
                       u"bonus paid in the %1"_s.arg(n.period), slot<Inputs>(&PayInputs::bonus)),
        amount<Inputs>(u"travelAllowance"_s, n.travel, n.travelCaption, n.bonusAndTravel,
                       u"travel allowance received"_s, slot<Inputs>(&PayInputs::travelAllowance)),
        count<Inputs>(u"medAidBeneficiaries"_s, u"numMedAidBens"_s,
                      u"Medical aid fund beneficiaries"_s, n.beneficiaries,
                      u"medical aid fund beneficiaries"_s,
                      slot<Inputs>(&PayInputs::medAidBeneficiaries)),
    };
}

// The Setup row's figures, which default to the delivered row.
template <class Inputs> std::vector<InputField<Inputs>> paySettings() {
    const tax::SetupRecord d = tax::deliveredSetup();
    const auto setting = [](QString key, tax::FieldRange range, QString help,
                            double PaySettings::*m) {
        return figure<Inputs>(std::move(key), {}, {}, range, std::move(help),
                              slot<Inputs>(&PayInputs::settings, m));
    };
    return {
        setting(u"employeeUIF"_s, tax::kPercent,
                u"employee UIF portion, percent (default %1)"_s.arg(d.EmployeeUIF),
                &PaySettings::employeeUIF),
        setting(u"employerUIF"_s, tax::kPercent,
                u"employer UIF portion, percent (default %1)"_s.arg(d.EmployerUIF),
                &PaySettings::employerUIF),
        setting(u"skillLevy"_s, tax::kPercent,
                u"skills levy, percent (default %1)"_s.arg(d.SkillLevy), &PaySettings::skillLevy),
        setting(u"uifLimit"_s, tax::kWholeRand,
                u"UIF monthly limit, rand (default %1)"_s.arg(d.UIFLimit), &PaySettings::uifLimit),
        inclusionRate<Inputs>(
            u"travel allowance inclusion rate, 0.8 or 0.2 (default %1)"_s.arg(d.TAIncRate8020)),
    };
}

template <class Results>
OutputField<Results> shown(QString key, QString name, QString caption, QString help,
                           double PayResults::*m, const char16_t *pattern = u"0.00") {
    return tax::output<Results>(std::move(key), std::move(name), std::move(caption),
                                ValueKind::Figure, pattern, true, std::move(help),
                                tax::reading<Results>(m));
}

template <class Results>
OutputField<Results> figureOut(QString key, QString help, double PayResults::*m) {
    return shown<Results>(std::move(key), {}, {}, std::move(help), m);
}

template <class Results> std::vector<OutputField<Results>> payOutputs() {
    return {
        shown<Results>(u"allowableRFundDeduction"_s, u"numAllowableRFundDed"_s,
                       u"Allowable R/Fund deduction"_s, u"Allowable R/Fund deduction, whole rand"_s,
                       &PayResults::allowableDeduction, u"0"),
        figureOut<Results>(u"rFundDeduction"_s, u"the same deduction, unrounded"_s,
                           &PayResults::deduction),
        shown<Results>(u"uifEmployee"_s, u"numMAns1"_s, u"UIF contribution Employee"_s,
                       u"UIF contribution Employee, unrounded"_s, &PayResults::employeeUif),
        shown<Results>(u"uifEmployer"_s, u"numMAns2"_s, u"UIF contribution Employer"_s,
                       u"UIF contribution Employer, unrounded"_s, &PayResults::employerUif),
        shown<Results>(u"skillsLevy"_s, u"numMAns3"_s, u"S.D.L."_s, u"S.D.L., unrounded"_s,
                       &PayResults::skillsLevy),
        figureOut<Results>(u"uifEmployeeShown"_s,
                           u"UIF contribution Employee as shown and printed (two decimals)"_s,
                           &PayResults::employeeUifShown),
        figureOut<Results>(u"uifEmployerShown"_s,
                           u"UIF contribution Employer as shown and printed"_s,
                           &PayResults::employerUifShown),
        figureOut<Results>(u"skillsLevyShown"_s, u"S.D.L. as shown and printed"_s,
                           &PayResults::skillsLevyShown),
        shown<Results>(u"taxLiability"_s, u"numMAns"_s, u"Tax liability"_s,
                       u"Tax liability: tax for the period before credits"_s,
                       &PayResults::periodTax),
        shown<Results>(u"taxCreditBeneficiaries"_s, u"numTaxCredit"_s,
                       u"Tax credits for beneficiaries"_s, u"Tax credits for beneficiaries"_s,
                       &PayResults::medicalCredit),
        shown<Results>(u"taxCreditContributions"_s, u"numMTCForContri"_s,
                       u"Tax credits for contributions"_s, u"Tax credits for contributions"_s,
                       &PayResults::additionalCredit),
        shown<Results>(u"totalTaxDeduction"_s, u"numTaxLiability"_s, u"Total tax deduction"_s,
                       u"Total tax deduction"_s, &PayResults::taxLiability),
        figureOut<Results>(u"rebate"_s, u"rebate for the age"_s, &PayResults::rebate),
        figureOut<Results>(u"taxableAmount"_s, u"taxable amount for the period, before the bonus"_s,
                           &PayResults::taxableAmount),
        figureOut<Results>(u"annualEquivalent"_s, u"that amount brought to a year"_s,
                           &PayResults::annualEquivalent),
        figureOut<Results>(u"uifRemuneration"_s, u"remuneration UIF is measured on"_s,
                           &PayResults::uifRemuneration),
    };
}

template <class Results> OutputField<Results> lookupOut() {
    return tax::output<Results>(u"lookup"_s, {}, {}, ValueKind::Object, u"0.00", false,
                                u"the tax lookup record as the last lookup left it"_s);
}

template <class T> void append(std::vector<T> &to, std::vector<T> more) {
    to.insert(to.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

template <class Inputs, class Results>
tax::CalculatorDescription<Inputs, Results> periodDescription(QString command, QString summary,
                                                              const PayFieldNames &names) {
    tax::CalculatorDescription<Inputs, Results> d{
        std::move(command), std::move(summary), payInputs<Inputs>(names), {}};
    append(d.inputs, paySettings<Inputs>());
    d.inputs.push_back(employeeName<Inputs>());
    d.outputs = payOutputs<Results>();
    return d;
}

MonthlyDescription makeMonthly() {
    PayFieldNames n;
    n.period = u"month"_s;
    n.age = u"silgEdit9"_s;
    n.bonus = u"silgEdit12"_s;
    n.travel = u"silgEdit13"_s;
    n.travelCaption = u"Travel Allowance R"_s;
    n.bonusAndTravel = tax::kWholeRand;
    MonthlyDescription d = periodDescription<MonthlyInputs, MonthlyResults>(
        u"monthly"_s, u"PAYE, UIF and skills levy for a month or part of one month"_s, n);
    append(d.inputs, {dateField<MonthlyInputs>(u"startDate"_s, u"dtMStartDate"_s, u"Start date"_s,
                                               u"first day, default 01/03/2016"_s,
                                               slot<MonthlyInputs>(&MonthlyInputs::startDate)),
                      dateField<MonthlyInputs>(u"endDate"_s, u"dtMEndDate"_s, u"End date"_s,
                                               u"last day in the same month, default 31/03/2016"_s,
                                               slot<MonthlyInputs>(&MonthlyInputs::endDate))});
    append(
        d.outputs,
        {tax::output<MonthlyResults>(
             u"taxableTravelAllowance"_s, u"numMTAAns"_s, u"Taxable travel allowance"_s,
             ValueKind::Figure, u"0", true, u"travel allowance x inclusion rate, whole rand"_s,
             tax::reading<MonthlyResults>(&MonthlyResults::taxableTravelShown)),
         tax::output<MonthlyResults>(u"travelAllowanceIncluded"_s, {}, {}, ValueKind::Figure,
                                     u"0.00", true, u"the same, unrounded"_s,
                                     tax::reading<MonthlyResults>(&MonthlyResults::taxableTravel)),
         tax::output<MonthlyResults>(u"days"_s, {}, {}, ValueKind::Count, u"0", false,
                                     u"days in the period"_s,
                                     tax::reading<MonthlyResults>(&MonthlyResults::days)),
         tax::output<MonthlyResults>(u"daysInMonth"_s, {}, {}, ValueKind::Count, u"0", false,
                                     u"days in the start date's month"_s,
                                     tax::reading<MonthlyResults>(&MonthlyResults::daysInMonth)),
         lookupOut<MonthlyResults>()});
    return d;
}

WeeklyDescription makeWeekly(WeekPeriod period) {
    const bool week = period == WeekPeriod::Week;
    PayFieldNames n;
    n.period = week ? u"week"_s : u"fortnight"_s;
    n.age = u"silgEdit14"_s;
    n.bonus = u"sidbEdit4"_s;
    n.travel = u"sidbEdit6"_s;
    WeeklyDescription d = periodDescription<WeeklyInputs, WeeklyResults>(
        week ? u"weekly"_s : u"fortnightly"_s,
        u"PAYE, UIF and skills levy for one %1's pay"_s.arg(n.period), n);
    const int days = openingDays(period);
    append(d.inputs,
           {count<WeeklyInputs>(
                u"normalDays"_s, u"silgEdit21"_s,
                week ? u"Normal work week"_s : u"Normal fortnight"_s, tax::kCount,
                u"work days in a normal %1, at least 1 (default %2)"_s.arg(n.period).arg(days),
                slot<WeeklyInputs>(&WeeklyInputs::normalDays)),
            count<WeeklyInputs>(
                u"thisDays"_s, u"silgEdit22"_s, week ? u"This work week"_s : u"This fortnight"_s,
                tax::kCount,
                u"work days in this %1, 1 to normalDays (default %2)"_s.arg(n.period).arg(days),
                slot<WeeklyInputs>(&WeeklyInputs::thisDays))});
    d.outputs.push_back(lookupOut<WeeklyResults>());
    return d;
}

DailyDescription makeDaily() {
    PayFieldNames n;
    n.period = u"day"_s;
    n.age = u"silgEdit23"_s;
    n.bonus = u"sidbEdit4"_s;
    n.travel = u"sidbEdit6"_s;
    n.beneficiaries = tax::kDailyBeneficiaries;
    DailyDescription d = periodDescription<DailyInputs, DailyResults>(
        u"daily"_s, u"PAYE, UIF and skills levy for one day's pay (1/260 of a year)"_s, n);
    d.outputs.push_back(lookupOut<DailyResults>());
    return d;
}

template <class Results>
OutputField<Results> annualOut(QString key, QString name, QString caption, QString help,
                               double AnnualResults::*m, const char16_t *pattern = u"0.00") {
    return tax::output<Results>(std::move(key), std::move(name), std::move(caption),
                                ValueKind::Figure, pattern, true, std::move(help),
                                tax::reading<Results>(m));
}

AnnualDescription makeAnnual() {
    PayFieldNames n;
    n.period = u"year"_s;
    n.age = u"silgEdit1"_s;
    n.salary = u"silgEdit2"_s;
    n.commission = u"numDirFees"_s;
    n.bonus = u"silgEdit4"_s;
    n.travel = u"silgEdit8"_s;
    // Every amount of the annual window is whole rand.
    n.amounts = tax::kWholeRand;
    n.bonusAndTravel = tax::kWholeRand;
    AnnualDescription d{u"annual"_s,
                        u"annual PAYE with rebates, medical credits and the R/Fund deduction"_s,
                        payInputs<AnnualInputs>(n),
                        {}};
    InputField<AnnualInputs> months = tax::input<AnnualInputs>(
        monthBeneficiariesKey(), {}, {}, ValueKind::List, tax::kMonthBeneficiaries,
        u"12 monthly beneficiary counts, March first, each 0 to 24"_s);
    InputField<AnnualInputs> allMonths = tax::input<AnnualInputs>(
        allMonthsBeneficiariesKey(), {}, {}, ValueKind::Count, tax::kMonthBeneficiaries,
        u"one count for all 12 months (instead of beneficiaries)"_s);
    append(d.inputs,
           {std::move(months), std::move(allMonths),
            amount<AnnualInputs>(u"medAidContributionDeduction"_s, u"silgEdit15"_s,
                                 u"Med Aid contribution deduction"_s, tax::kInt32Rand,
                                 u"med aid contribution deduction (printed only)"_s,
                                 slot<AnnualInputs>(&AnnualInputs::medAidContributionDeduction)),
            dateField<AnnualInputs>(u"startDate"_s, u"dtStartDate"_s, u"Start date"_s,
                                    u"first day, from 01/03/2016"_s,
                                    slot<AnnualInputs>(&AnnualInputs::startDate)),
            dateField<AnnualInputs>(u"endDate"_s, u"dtEndDate"_s, u"End date"_s,
                                    u"last day, up to 28/02/2017"_s,
                                    slot<AnnualInputs>(&AnnualInputs::endDate)),
            inclusionRate<AnnualInputs>(u"travel allowance inclusion rate, 0.8 (default) or 0.2"_s),
            employeeName<AnnualInputs>()});
    d.outputs = {
        annualOut<AnnualResults>(u"allowableRFundDeduction"_s, u"numAllowableRFundDed"_s,
                                 u"Allowable R/Fund deduction"_s,
                                 u"Allowable R/Fund deduction, whole rand"_s,
                                 &AnnualResults::allowableDeduction, u"0"),
        annualOut<AnnualResults>(u"rFundDeduction"_s, {}, {}, u"the same deduction, unrounded"_s,
                                 &AnnualResults::deduction),
        annualOut<AnnualResults>(u"taxLiability"_s, u"numMAns"_s, u"Tax liability"_s,
                                 u"Tax liability: tax for the period before credits"_s,
                                 &AnnualResults::periodTax),
        annualOut<AnnualResults>(u"taxCreditBeneficiaries"_s, u"numTaxCredit"_s,
                                 u"Tax credits for beneficiaries"_s,
                                 u"Tax credits for beneficiaries"_s, &AnnualResults::medicalCredit),
        annualOut<AnnualResults>(
            u"taxCreditContributions"_s, u"numMTCForContri"_s, u"Tax credits for contributions"_s,
            u"Tax credits for contributions"_s, &AnnualResults::additionalCredit),
        annualOut<AnnualResults>(u"totalTaxDeduction"_s, u"numTaxLiability"_s,
                                 u"Total tax deduction"_s, u"Total tax deduction"_s,
                                 &AnnualResults::taxLiability),
        annualOut<AnnualResults>(u"paye"_s, u"numAns1"_s, u"PAYE"_s, u"PAYE (the same figure)"_s,
                                 &AnnualResults::taxLiability),
        annualOut<AnnualResults>(u"rebate"_s, {}, {}, u"rebate for the age"_s,
                                 &AnnualResults::rebate),
        tax::output<AnnualResults>(u"days"_s, {}, {}, ValueKind::Count, u"0", false,
                                   u"days in the period"_s,
                                   tax::reading<AnnualResults>(&AnnualResults::days)),
        annualOut<AnnualResults>(u"annualTaxableAmount"_s, {}, {},
                                 u"taxable amount after part-year scaling, before the bonus"_s,
                                 &AnnualResults::taxableAmount),
        tax::output<AnnualResults>(monthBeneficiariesKey(), {}, {}, ValueKind::List, u"0", false,
                                   u"the month counts after the calculation, March first"_s),
        lookupOut<AnnualResults>(),
    };
    return d;
}

QuickTaxDescription makeQuickTax() {
    using In = QuickTaxInputs;
    using Out = QuickTaxResults;
    const auto out = [](int index, QString key, QString caption, QString help,
                        const char16_t *pattern, bool money, double Out::*m) {
        return tax::output<Out>(std::move(key), index < 0 ? QString() : quickTaxField(index),
                                std::move(caption), ValueKind::Figure, pattern, money,
                                std::move(help), tax::reading<Out>(m));
    };
    return {
        u"quicktax"_s,
        u"how the tax on an annual taxable income is built up"_s,
        {
            // Typing an income sets the shared lookup's income for every calculator.
            tax::input<In>(u"taxableIncome"_s, quickTaxField(0), u"Taxable Income"_s,
                           ValueKind::Amount, tax::kWholeRand, u"annual taxable income"_s,
                           [](In &in) -> tax::ValueSlot { return &in.lookup.AnnualTaxableIncome; }),
            tax::input<In>(u"age"_s, quickTaxField(1), u"Age"_s, ValueKind::Count, tax::kCount,
                           u"age in years"_s,
                           [](In &in) -> tax::ValueSlot { return &in.memory.age; }),
        },
        {
            out(-1, u"taxableIncome"_s, {}, u"Taxable Income"_s, u"0", true, &Out::income),
            tax::output<Out>(u"age"_s, {}, {}, ValueKind::Count, u"0", false, u"Age"_s,
                             tax::reading<Out>(&Out::age)),
            out(2, u"taxOnTaxableIncome"_s, u"Tax on taxable income"_s,
                u"Tax on taxable income: the bracket's base tax"_s, u"0", true, &Out::baseTax),
            out(3, u"marginalRate"_s, u"+ Portion @ M/Rate ("_s, u"M/Rate, percent"_s, u"0", false,
                &Out::marginalRate),
            out(4, u"portionAtMarginalRate"_s, u"Portion at the marginal rate"_s,
                u"+ Portion @ M/Rate"_s, u"0", true, &Out::taxOnExcess),
            out(5, u"totalTax"_s, u"Total tax"_s, u"Total tax"_s, u"0", true, &Out::totalTax),
            out(6, u"lessRebates"_s, u"Less rebates"_s, u"Less rebates"_s, u"0", true,
                &Out::rebates),
            out(7, u"taxCommitment"_s, u"Tax commitment"_s, u"Tax commitment"_s, u"0", true,
                &Out::taxCommitment),
            out(8, u"averageRateBefore"_s, u"Average rate before rebates    "_s,
                u"Average rate before rebates, percent"_s, u"0.0", false, &Out::averageRateBefore),
            out(9, u"averageRateAfter"_s, u"Average rate after rebates       "_s,
                u"Average rate after rebates, percent"_s, u"0.0", false, &Out::averageRateAfter),
            out(-1, u"monthlyTaxCommitment"_s, {}, u"tax commitment / 12 (printed)"_s, u"0.00",
                true, &Out::monthlyCommitment),
            tax::output<Out>(u"lookup"_s, {}, {}, ValueKind::Object, u"0.00", false,
                             u"the tax lookup record"_s),
        },
    };
}

} // namespace

const MonthlyDescription &monthlyDescription() {
    static const MonthlyDescription d = makeMonthly();
    return d;
}

const WeeklyDescription &weeklyDescription(WeekPeriod period) {
    static const WeeklyDescription week = makeWeekly(WeekPeriod::Week);
    static const WeeklyDescription fortnight = makeWeekly(WeekPeriod::Fortnight);
    return period == WeekPeriod::Week ? week : fortnight;
}

const DailyDescription &dailyDescription() {
    static const DailyDescription d = makeDaily();
    return d;
}

const AnnualDescription &annualDescription() {
    static const AnnualDescription d = makeAnnual();
    return d;
}

const QuickTaxDescription &quickTaxDescription() {
    static const QuickTaxDescription d = makeQuickTax();
    return d;
}

} // namespace quillon::paye
