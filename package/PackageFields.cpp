#include "package/PackageFields.h"

namespace quillon::package {

using namespace Qt::Literals::StringLiterals;
using tax::InputField;
using tax::OutputField;
using tax::ValueKind;

QString otherExpensesKey() {
    return u"otherExpenses"_s;
}
QString expenseTextKey() {
    return u"description"_s;
}
QString expenseAmountKey() {
    return u"amount"_s;
}
QString taxpayerNameKey() {
    return u"taxpayerName"_s;
}
QString raLineAKey() {
    return u"raLineA"_s;
}
QString raLineCKey() {
    return u"raLineC"_s;
}
QString salPackageKey() {
    return u"salPackage"_s;
}
QString employeeFundPercentKey() {
    return u"pensionCont"_s;
}
QString employerFundPercentKey() {
    return u"employerPenCont"_s;
}

namespace {

using Entry = PackageEntry;

template <class T> tax::SlotOf<Entry> typed(T PackageInputs::*member) {
    return tax::slot<Entry>(&Entry::fields, member);
}

template <class T> tax::SlotOf<Entry> setting(T tax::SetupRecord::*member) {
    return tax::slot<Entry>(&Entry::settings, member);
}

InputField<Entry> amount(QString key, QString name, QString caption, QString help,
                         double PackageInputs::*member) {
    // The package windows show every amount in rand and cents.
    return tax::input<Entry>(std::move(key), std::move(name), std::move(caption), ValueKind::Amount,
                             tax::kPackageAmount, std::move(help), typed(member));
}

InputField<Entry> count(QString key, QString name, QString caption, QString help,
                        std::int16_t PackageInputs::*member) {
    return tax::input<Entry>(std::move(key), std::move(name), std::move(caption), ValueKind::Count,
                             tax::kPackageCount, std::move(help), typed(member));
}

InputField<Entry> percent(QString key, QString help, double tax::SetupRecord::*member) {
    return tax::input<Entry>(std::move(key), {}, {}, ValueKind::Figure, tax::kPercent,
                             std::move(help), setting(member));
}

// Both rates are chosen with a pair of option buttons.
InputField<Entry> rate(QString key, QString help, double tax::SetupRecord::*member) {
    InputField<Entry> f = tax::input<Entry>(std::move(key), {}, {}, ValueKind::Choice,
                                            tax::kPercent, std::move(help), setting(member));
    f.choices = {0.8, 0.2};
    return f;
}

// The four "Other Expenses" lines: the window's own fields, which quillon-calc reads as one list.
std::vector<InputField<Entry>> expenseLines() {
    std::vector<InputField<Entry>> lines;
    for (std::size_t i = 0; i < 4; ++i) {
        const QString line = QString::number(i);
        InputField<Entry> text = tax::input<Entry>(
            {}, u"txtOtherDet"_s + line, i == 0 ? u"Other Expenses :"_s : QString(),
            ValueKind::Text, {}, u"what other expense %1 is"_s.arg(i + 1),
            [i](Entry &e) -> tax::ValueSlot { return &e.fields.Expenses[i].description; });
        text.maxLength = tax::kPackageExpenseTextLength;
        lines.push_back(std::move(text));
        lines.push_back(tax::input<Entry>(
            {}, u"numOtherDet"_s + line, u"Other expense %1 amount"_s.arg(i + 1), ValueKind::Amount,
            tax::kPackageAmount, u"amount of other expense %1"_s.arg(i + 1),
            [i](Entry &e) -> tax::ValueSlot { return &e.fields.Expenses[i].amount; }));
    }
    return lines;
}

std::vector<InputField<Entry>> inputs(PackageWindow w) {
    const bool net = isNetToGross(w);
    const bool monthly = isMonthly(w);
    const QString period = monthly ? u"monthly"_s : u"annual"_s;
    const QString first =
        net ? (monthly ? u"Net monthly salary required"_s : u"Net annual salary required"_s)
            : u"Total package amount"_s;
    std::vector<InputField<Entry>> f = {
        count(u"age"_s, u"numAge"_s, u"Taxpayer's age"_s, u"taxpayer's age in years"_s,
              &PackageInputs::Age),
        net ? amount(u"netRequired"_s, u"numNetMonSalReq"_s, first,
                     u"net %1 salary required"_s.arg(period), &PackageInputs::Amount)
            : amount(u"package"_s, u"numNetMonSalReq"_s, first,
                     u"total %1 package amount"_s.arg(period), &PackageInputs::Amount),
        amount(u"carValue"_s, u"numCompCar"_s, u"Company car value"_s, u"company car value"_s,
               &PackageInputs::CarValue),
        // The company's figures stand in the "Cost to company" column, named after their row.
        amount(u"carCost"_s, u"numCCCompCar"_s, {}, u"the company's cost of the car"_s,
               &PackageInputs::CarCost),
        amount(u"travelAllowance"_s, u"numTravAll"_s, u"Travel allowance"_s, u"travel allowance"_s,
               &PackageInputs::TravelAllowance),
        amount(u"medAidEmployee"_s, u"numMedAidCont"_s, u"Med. aid fund contributions"_s,
               u"employee's medical aid contributions"_s, &PackageInputs::MedAidEmployee),
        amount(u"medAidEmployer"_s, u"numCCMedAidCont"_s, {},
               u"employer's medical aid contributions"_s, &PackageInputs::MedAidEmployer),
        monthly ? count(u"beneficiaries"_s, u"numPMems"_s, u"Med. aid fund beneficiaries"_s,
                        u"people on the medical scheme, 0 or more"_s, &PackageInputs::Beneficiaries)
                : count(u"beneficiaryMonths"_s, u"numPMems"_s, u"Medical beneficiaries months"_s,
                        u"medical beneficiary-months in the year, 0 or more"_s,
                        &PackageInputs::Beneficiaries),
        amount(u"otherBenefits"_s, u"numOTaxFB"_s, u"Other taxable f/benefits"_s,
               u"other taxable fringe benefits"_s, &PackageInputs::OtherBenefits),
        amount(u"employeeFund"_s, u"numRFundCont"_s, u"R/Fund (Pension, Prov, R/A) "_s,
               u"employee's R/Fund contributions (replaced when pensionCont is above 0)"_s,
               &PackageInputs::EmployeeFund),
        amount(u"employerFund"_s, u"numCCRFundCont"_s, {},
               u"employer's R/Fund contributions (replaced when employerPenCont is above 0)"_s,
               &PackageInputs::EmployerFund),
    };
    if (net)
        f.push_back(amount(u"medicalDeductions"_s, u"numMedDeduct"_s, u"Medical deductions"_s,
                           u"medical deductions (counted from age 65)"_s,
                           &PackageInputs::MedicalDeductions));
    f.push_back(tax::input<Entry>(otherExpensesKey(), {}, {}, ValueKind::List, tax::kPackageAmount,
                                  u"up to 4 objects {\"%1\": text, \"%2\": number}"_s.arg(
                                      expenseTextKey(), expenseAmountKey())));
    for (InputField<Entry> &line : expenseLines())
        f.push_back(std::move(line));
    f.push_back(tax::input<Entry>(taxpayerNameKey(), {}, {}, ValueKind::Text, {},
                                  u"name for the SalPackage record"_s));
    f.push_back(percent(employeeFundPercentKey(), u"employee's R/Fund contribution, percent"_s,
                        &tax::SetupRecord::PensionCont));
    f.push_back(percent(employerFundPercentKey(), u"employer's R/Fund contribution, percent"_s,
                        &tax::SetupRecord::EmployerPenCont));
    f.push_back(percent(u"employeeUIF"_s, u"employee UIF portion, percent (1)"_s,
                        &tax::SetupRecord::EmployeeUIF));
    f.push_back(percent(u"employerUIF"_s, u"employer UIF portion, percent (1)"_s,
                        &tax::SetupRecord::EmployerUIF));
    f.push_back(
        percent(u"skillLevy"_s, u"skills levy, percent (1)"_s, &tax::SetupRecord::SkillLevy));
    f.push_back(percent(u"provCont"_s, u"employee's provident fund, percent"_s,
                        &tax::SetupRecord::ProvCont));
    f.push_back(percent(u"employerProvCont"_s, u"employer's provident fund, percent"_s,
                        &tax::SetupRecord::EmployerProvCont));
    f.push_back(tax::input<Entry>(u"uifLimit"_s, {}, {}, ValueKind::Figure, tax::kWholeRand,
                                  u"UIF monthly limit, rand (14872)"_s,
                                  setting(&tax::SetupRecord::UIFLimit)));
    f.push_back(rate(u"inclusionRate"_s, u"travel allowance inclusion rate (0.8 or 0.2)"_s,
                     &tax::SetupRecord::TAIncRate8020));
    f.push_back(rate(u"compCarFBRate"_s, u"company car fringe benefit rate (0.8 or 0.2)"_s,
                     &tax::SetupRecord::CompCarFBRate8020));
    f.push_back(tax::input<Entry>(u"compCarMaintenancePlan"_s, {}, {}, ValueKind::Flag, {},
                                  u"the company car has a maintenance plan (false)"_s,
                                  setting(&tax::SetupRecord::CompCarMPYesNo)));
    return f;
}

template <class T>
OutputField<PackageResults> shown(QString key, QString name, QString caption, QString help,
                                  T PackageResults::*member, ValueKind kind = ValueKind::Figure) {
    return tax::output<PackageResults>(std::move(key), std::move(name), std::move(caption), kind,
                                       u"0.00", true, std::move(help),
                                       tax::reading<PackageResults>(member));
}

template <class T>
OutputField<PackageResults> value(QString key, QString help, T PackageResults::*member,
                                  ValueKind kind = ValueKind::Figure) {
    return shown(std::move(key), {}, {}, std::move(help), member, kind);
}

// A value the command gives itself.
OutputField<PackageResults> own(QString key, ValueKind kind, QString help) {
    return tax::output<PackageResults>(std::move(key), {}, {}, kind, u"0.00", false,
                                       std::move(help));
}

std::vector<OutputField<PackageResults>> outputs(PackageWindow w) {
    const bool net = isNetToGross(w);
    const QString levy =
        w == PackageWindow::GrossMonthly ? u"Skills Development Levy"_s : u"Skills levy"_s;
    std::vector<OutputField<PackageResults>> f = {
        shown(u"uifContribution"_s, u"numUIFCont"_s, u"UIF contribution"_s,
              u"UIF contribution (employee)"_s, &PackageResults::EmpUIF),
        shown(u"employerUIF"_s, u"numCCUIFCont"_s, {}, u"employer's UIF (cost to company column)"_s,
              &PackageResults::ErUIF),
        // The levy is the company's: its caption stands left, its figure in the cost column.
        shown(u"skillsLevy"_s, u"numCCSkillLev"_s, levy, u"skills levy"_s, &PackageResults::SDL),
        shown(u"taxDue"_s, u"numMAns"_s, u"Tax due"_s, u"Tax due (after the rebate)"_s,
              &PackageResults::TaxDue),
        shown(u"taxCredit"_s, u"numTaxCredit"_s, u"Tax credit"_s,
              u"Tax credit (medical and additional medical)"_s, &PackageResults::TaxCredits),
        shown(u"taxDeduction"_s, u"numTaxDeduct"_s, u"Tax deduction"_s, u"Tax deduction"_s,
              &PackageResults::TaxDeduction),
        net ? shown(u"grossSalary"_s, u"numGrossSal"_s, u"Gross salary"_s, u"Gross salary"_s,
                    &PackageResults::GrossSalary)
            : shown(u"netSalary"_s, u"numGrossSal"_s, u"Net salary(take-home)"_s,
                    u"Net salary(take-home)"_s, &PackageResults::NetPay),
        shown(u"totalCostToCompany"_s, u"numTotCostComp"_s, u"Total cost to company R"_s,
              u"Total cost to company"_s, &PackageResults::TotalCost),
        value(u"onceOffShown"_s, u"the once-off car line is shown"_s, &PackageResults::onceOffShown,
              ValueKind::Flag),
        // Shown on the once-off line the window builds below its columns.
        value(u"onceOff"_s, u"its once-off cost"_s, &PackageResults::OnceOff),
        value(u"warning"_s, u"R/Fund contributions exceed allowable limits!"_s,
              &PackageResults::warning, ValueKind::Flag),
        value(u"printEnabled"_s, u"whether Print is enabled"_s, &PackageResults::printEnabled,
              ValueKind::Flag),
        own(raLineAKey(), ValueKind::Text, u"R/A panel line A"_s),
        own(raLineCKey(), ValueKind::Text, u"R/A panel line C"_s),
        value(u"employeeFund"_s, u"the R/Fund field after the calculation"_s,
              &PackageResults::EmployeeFund),
        value(u"employerFund"_s, u"the employer's R/Fund field after it"_s,
              &PackageResults::EmployerFund),
        value(isMonthly(w) ? u"beneficiaries"_s : u"beneficiaryMonths"_s,
              u"the beneficiary field after it (0 without medical aid)"_s,
              &PackageResults::Beneficiaries, ValueKind::Count),
    };
    const std::pair<QString, double PackageResults::*> working[] = {
        {u"carBenefit"_s, &PackageResults::CarBenefit},
        {u"rebate"_s, &PackageResults::Rebate},
        {u"medicalCredit"_s, &PackageResults::MedicalCredit},
        {u"additionalMedicalCredit"_s, &PackageResults::AdditionalMedicalCredit},
        {u"employeeContribution"_s, &PackageResults::EmployeeContribution},
        {u"employerContribution"_s, &PackageResults::EmployerContribution},
        {u"fundDeduction"_s, &PackageResults::FundDeduction},
        {u"taxableIncome"_s, &PackageResults::TaxableIncome},
        {u"remuneration"_s, &PackageResults::Remuneration},
    };
    for (const auto &[key, member] : working)
        f.push_back(value(key, u"working value"_s, member));
    f.push_back(value(u"calcSkipped"_s, u"a zero amount: nothing recomputed"_s,
                      &PackageResults::CalcSkipped, ValueKind::Flag));
    f.push_back(
        own(salPackageKey(), ValueKind::List, u"the SalPackage record: {field, value} in order"_s));
    f.push_back(own(u"lookup"_s, ValueKind::Object, u"the tax lookup as left"_s));
    if (net) {
        f.push_back(value(u"medicalDeductions"_s, u"the field after it (0 under 65)"_s,
                          &PackageResults::MedicalDeductions));
        f.push_back(value(u"gross"_s, u"the search's final gross"_s, &PackageResults::Gross));
        f.push_back(
            value(u"netFound"_s, u"the net pay of that gross"_s, &PackageResults::NetFound));
        f.push_back(own(employeeFundPercentKey(), ValueKind::Figure, u"after the 27.5 ceiling"_s));
        f.push_back(own(employerFundPercentKey(), ValueKind::Figure, u"after the 27.5 ceiling"_s));
    }
    return f;
}

PackageDescription describe(PackageWindow w, QString command, QString summary) {
    return {std::move(command), std::move(summary), inputs(w), outputs(w)};
}

} // namespace

const PackageDescription &packageDescription(PackageWindow window) {
    static const PackageDescription grossAnnual = describe(
        PackageWindow::GrossAnnual, u"brisvane-annual"_s,
        u"Brisvane : Annual Calculation - take-home pay and cost to company from a package"_s);
    static const PackageDescription grossMonthly =
        describe(PackageWindow::GrossMonthly, u"brisvane-monthly"_s,
                 u"Brisvane : Monthly Calculation - the same from a monthly package"_s);
    static const PackageDescription netAnnual = describe(
        PackageWindow::NetAnnual, u"quillon-annual"_s,
        u"Quillon : Annual Calculation - gross salary and cost to company for a net salary"_s);
    static const PackageDescription netMonthly =
        describe(PackageWindow::NetMonthly, u"quillon-monthly"_s,
                 u"Quillon : Monthly Calculation - the same for a net monthly salary"_s);
    switch (window) {
    case PackageWindow::GrossAnnual:
        return grossAnnual;
    case PackageWindow::GrossMonthly:
        return grossMonthly;
    case PackageWindow::NetAnnual:
        return netAnnual;
    case PackageWindow::NetMonthly:
        break;
    }
    return netMonthly;
}

} // namespace quillon::package
