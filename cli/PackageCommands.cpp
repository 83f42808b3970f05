#include "cli/Command.h"
#include "cli/JsonHelpers.h"
#include "package/GrossToNet.h"
#include "package/NetToGross.h"
#include "package/PackageRules.h"
#include "package/PackageSettings.h"
#include "package/RaPanel.h"
#include "package/SalPackageRecord.h"

namespace quillon::cli {

namespace {

using package::PackageWindow;

JsonKey key(const char *name, KeyKind kind, const char *help) {
    return {QString::fromLatin1(name), kind, QString::fromLatin1(help)};
}

std::vector<JsonKey> inputKeys(PackageWindow w) {
    const bool net = package::isNetToGross(w);
    const bool monthly = package::isMonthly(w);
    const char *period = monthly ? "monthly" : "annual";
    std::vector<JsonKey> keys = {
        key("age", KeyKind::Integer, "taxpayer's age in years"),
        net ? JsonKey{QStringLiteral("netRequired"), KeyKind::Number,
                      QStringLiteral("net %1 salary required").arg(QLatin1String(period))}
            : JsonKey{QStringLiteral("package"), KeyKind::Number,
                      QStringLiteral("total %1 package amount").arg(QLatin1String(period))},
        key("carValue", KeyKind::Number, "company car value"),
        key("carCost", KeyKind::Number, "the company's cost of the car"),
        key("travelAllowance", KeyKind::Number, "travel allowance"),
        key("medAidEmployee", KeyKind::Number, "employee's medical aid contributions"),
        key("medAidEmployer", KeyKind::Number, "employer's medical aid contributions"),
        monthly ? key("beneficiaries", KeyKind::Integer, "people on the medical scheme, 0 or more")
                : key("beneficiaryMonths", KeyKind::Integer,
                      "medical beneficiary-months in the year, 0 or more"),
        key("otherBenefits", KeyKind::Number, "other taxable fringe benefits"),
        key("employeeFund", KeyKind::Number,
            "employee's R/Fund contributions (replaced when pensionCont is above 0)"),
        key("employerFund", KeyKind::Number,
            "employer's R/Fund contributions (replaced when employerPenCont is above 0)"),
    };
    if (net)
        keys.push_back(
            key("medicalDeductions", KeyKind::Number, "medical deductions (counted from age 65)"));
    keys.push_back(key("otherExpenses", KeyKind::List,
                       "up to 4 objects {\"description\": text, \"amount\": number}"));
    keys.push_back(key("taxpayerName", KeyKind::Text, "name for the SalPackage record"));
    keys.push_back(key("pensionCont", KeyKind::Number, "employee's R/Fund contribution, percent"));
    keys.push_back(
        key("employerPenCont", KeyKind::Number, "employer's R/Fund contribution, percent"));
    keys.push_back(key("employeeUIF", KeyKind::Number, "employee UIF portion, percent (1)"));
    keys.push_back(key("employerUIF", KeyKind::Number, "employer UIF portion, percent (1)"));
    keys.push_back(key("skillLevy", KeyKind::Number, "skills levy, percent (1)"));
    keys.push_back(key("provCont", KeyKind::Number, "employee's provident fund, percent"));
    keys.push_back(key("employerProvCont", KeyKind::Number, "employer's provident fund, percent"));
    keys.push_back(key("uifLimit", KeyKind::Number, "UIF monthly limit, rand (14872)"));
    keys.push_back(
        key("inclusionRate", KeyKind::Number, "travel allowance inclusion rate (0.8 or 0.2)"));
    keys.push_back(
        key("compCarFBRate", KeyKind::Number, "company car fringe benefit rate (0.8 or 0.2)"));
    keys.push_back(key("compCarMaintenancePlan", KeyKind::Flag,
                       "the company car has a maintenance plan (false)"));
    return keys;
}

std::vector<JsonKey> outputKeys(PackageWindow w) {
    const bool net = package::isNetToGross(w);
    std::vector<JsonKey> keys = {
        key("uifContribution", KeyKind::Number, "UIF contribution (employee)"),
        key("employerUIF", KeyKind::Number, "employer's UIF (cost to company column)"),
        key("skillsLevy", KeyKind::Number, "skills levy"),
        key("taxDue", KeyKind::Number, "Tax due (after the rebate)"),
        key("taxCredit", KeyKind::Number, "Tax credit (medical and additional medical)"),
        key("taxDeduction", KeyKind::Number, "Tax deduction"),
        net ? key("grossSalary", KeyKind::Number, "Gross salary")
            : key("netSalary", KeyKind::Number, "Net salary(take-home)"),
        key("totalCostToCompany", KeyKind::Number, "Total cost to company"),
        key("onceOffShown", KeyKind::Flag, "the once-off car line is shown"),
        key("onceOff", KeyKind::Number, "its once-off cost"),
        key("warning", KeyKind::Flag, "R/Fund contributions exceed allowable limits!"),
        key("printEnabled", KeyKind::Flag, "whether Print is enabled"),
        key("buttonTop", KeyKind::Integer, "button row top, twips"),
        key("windowHeight", KeyKind::Integer, "window height, twips"),
        key("raLineA", KeyKind::Text, "R/A panel line A"),
        key("raLineC", KeyKind::Text, "R/A panel line C"),
        key("employeeFund", KeyKind::Number, "the R/Fund field after the calculation"),
        key("employerFund", KeyKind::Number, "the employer's R/Fund field after it"),
        key(package::isMonthly(w) ? "beneficiaries" : "beneficiaryMonths", KeyKind::Integer,
            "the beneficiary field after it (0 without medical aid)"),
    };
    if (net) {
        keys.push_back(
            key("medicalDeductions", KeyKind::Number, "the field after it (0 under 65)"));
        keys.push_back(key("gross", KeyKind::Number, "the search's final gross"));
        keys.push_back(key("netFound", KeyKind::Number, "the net pay of that gross"));
        keys.push_back(key("pensionCont", KeyKind::Number, "after the 27.5 ceiling"));
        keys.push_back(key("employerPenCont", KeyKind::Number, "after the 27.5 ceiling"));
    }
    for (const char *name : {"carBenefit", "rebate", "medicalCredit", "additionalMedicalCredit",
                             "employeeContribution", "employerContribution", "fundDeduction",
                             "taxableIncome", "remuneration"})
        keys.push_back(key(name, KeyKind::Number, "working value"));
    keys.push_back(key("calcSkipped", KeyKind::Flag, "a zero amount: nothing recomputed"));
    keys.push_back(
        key("salPackage", KeyKind::List, "the SalPackage record: {field, value} in order"));
    keys.push_back(key(kLookupKey, KeyKind::Object, "the tax lookup as left"));
    return keys;
}

void readExpenses(InputReader &r, package::PackageInputs &in) {
    const std::span<const JsonInputValue> list = r.list(QStringLiteral("otherExpenses"));
    if (!r.ok())
        return;
    if (list.size() > 4) {
        r.fail(QStringLiteral("\"otherExpenses\" holds at most 4 lines"));
        return;
    }
    static const std::vector<JsonKey> lineKeys = {key("description", KeyKind::Text, ""),
                                                  key("amount", KeyKind::Number, "")};
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (!list[i].IsObject()) {
            r.fail(QStringLiteral("\"otherExpenses\" lines must be objects"));
            return;
        }
        InputReader line(list[i], lineKeys);
        package::ExpenseLine &e = in.Expenses[i];
        e.description = line.text(QStringLiteral("description"));
        e.amount = line.number(QStringLiteral("amount"), tax::kPackageAmount);
        if (!line.ok()) {
            r.fail(QStringLiteral("\"otherExpenses\" line %1: ").arg(i + 1) + line.error());
            return;
        }
    }
}

tax::SetupRecord readSetup(InputReader &r) {
    tax::SetupRecord s = tax::deliveredSetup();
    const tax::FieldRange &percent = tax::kPercent;
    s.PensionCont = r.number(QStringLiteral("pensionCont"), percent, s.PensionCont);
    s.EmployerPenCont = r.number(QStringLiteral("employerPenCont"), percent, s.EmployerPenCont);
    s.EmployeeUIF = r.number(QStringLiteral("employeeUIF"), percent, s.EmployeeUIF);
    s.EmployerUIF = r.number(QStringLiteral("employerUIF"), percent, s.EmployerUIF);
    s.SkillLevy = r.number(QStringLiteral("skillLevy"), percent, s.SkillLevy);
    s.ProvCont = r.number(QStringLiteral("provCont"), percent, s.ProvCont);
    s.EmployerProvCont = r.number(QStringLiteral("employerProvCont"), percent, s.EmployerProvCont);
    s.UIFLimit = r.number(QStringLiteral("uifLimit"), tax::kWholeRand, s.UIFLimit);
    // Both rates are chosen with a pair of option buttons.
    s.TAIncRate8020 = r.choice(QStringLiteral("inclusionRate"), {0.8, 0.2}, s.TAIncRate8020);
    s.CompCarFBRate8020 =
        r.choice(QStringLiteral("compCarFBRate"), {0.8, 0.2}, s.CompCarFBRate8020);
    s.CompCarMPYesNo = r.flag(QStringLiteral("compCarMaintenancePlan"), s.CompCarMPYesNo);
    return s;
}

CommandResult runPackage(PackageWindow w, const std::vector<JsonKey> &keys,
                         const JsonInputValue &json, const RunOptions &options) {
    const bool net = package::isNetToGross(w);
    const bool monthly = package::isMonthly(w);
    InputReader r(json, keys);
    package::PackageInputs in;
    // The package windows show every amount in rand and cents.
    const tax::FieldRange &amount = tax::kPackageAmount;
    in.Age = r.int16(QStringLiteral("age"), tax::kPackageCount);
    in.Amount = r.number(net ? QStringLiteral("netRequired") : QStringLiteral("package"), amount);
    in.CarValue = r.number(QStringLiteral("carValue"), amount);
    in.CarCost = r.number(QStringLiteral("carCost"), amount);
    in.TravelAllowance = r.number(QStringLiteral("travelAllowance"), amount);
    in.MedAidEmployee = r.number(QStringLiteral("medAidEmployee"), amount);
    in.MedAidEmployer = r.number(QStringLiteral("medAidEmployer"), amount);
    const char *countKey = monthly ? "beneficiaries" : "beneficiaryMonths";
    in.Beneficiaries = r.int16(QString::fromLatin1(countKey), tax::kPackageCount);
    in.OtherBenefits = r.number(QStringLiteral("otherBenefits"), amount);
    in.EmployeeFund = r.number(QStringLiteral("employeeFund"), amount);
    in.EmployerFund = r.number(QStringLiteral("employerFund"), amount);
    if (net)
        in.MedicalDeductions = r.number(QStringLiteral("medicalDeductions"), amount);
    readExpenses(r, in);
    const QString name = r.printedName(QStringLiteral("taxpayerName"));
    tax::SetupRecord setup = readSetup(r);
    if (!r.ok())
        return CommandResult::failure(r.error());
    // The net-to-gross windows apply their ceiling as the settings are loaded.
    if (net)
        package::applyFundCeiling(setup);

    tax::TaxLookup lookup;
    const package::PackageResults previous = package::initialResults(w, in);
    package::PackageResults out;
    switch (w) {
    case PackageWindow::GrossAnnual:
        out = package::calculateGrossAnnual(in, setup, previous, lookup);
        break;
    case PackageWindow::GrossMonthly:
        out = package::calculateGrossMonthly(in, setup, previous, lookup);
        break;
    case PackageWindow::NetAnnual:
        out = package::calculateNetAnnual(in, setup, previous, lookup);
        break;
    case PackageWindow::NetMonthly:
        out = package::calculateNetMonthly(in, setup, previous, lookup);
        break;
    }
    if (!out.message().isEmpty())
        return CommandResult::failure(out.message());

    // The record and the R/A panel read the fields as the calculation left them.
    package::PackageInputs shown = in;
    shown.EmployeeFund = out.EmployeeFund;
    shown.EmployerFund = out.EmployerFund;
    shown.Beneficiaries = out.Beneficiaries;
    shown.MedicalDeductions = out.MedicalDeductions;
    const package::RaLines ra = package::raLines(w, shown, setup, out);
    // One record serves the answer and, only when a PDF is asked for, the printout.
    report::ReportRecord record = package::salPackageRecord(w, shown, out, name);

    JsonObject o{
        {"uifContribution", out.EmpUIF},
        {"employerUIF", out.ErUIF},
        {"skillsLevy", out.SDL},
        {"taxDue", out.TaxDue},
        {"taxCredit", out.TaxCredits},
        {"taxDeduction", out.TaxDeduction},
        {net ? "grossSalary" : "netSalary", net ? out.GrossSalary : out.NetPay},
        {"totalCostToCompany", out.TotalCost},
        {"onceOffShown", out.onceOffShown},
        {"onceOff", out.OnceOff},
        {"warning", out.warning},
        {"printEnabled", out.printEnabled},
        {"buttonTop", out.buttonTop},
        {"windowHeight", out.windowHeight},
        {"raLineA", ra.lineA},
        {"raLineC", ra.lineC},
        {"employeeFund", out.EmployeeFund},
        {"employerFund", out.EmployerFund},
        {countKey, out.Beneficiaries},
        {"carBenefit", out.CarBenefit},
        {"rebate", out.Rebate},
        {"medicalCredit", out.MedicalCredit},
        {"additionalMedicalCredit", out.AdditionalMedicalCredit},
        {"employeeContribution", out.EmployeeContribution},
        {"employerContribution", out.EmployerContribution},
        {"fundDeduction", out.FundDeduction},
        {"taxableIncome", out.TaxableIncome},
        {"remuneration", out.Remuneration},
        {"calcSkipped", out.CalcSkipped},
        {"salPackage", reportRecordJson(record)},
        {kLookupKey, lookupJson(lookup)},
    };
    if (net) {
        o.add("medicalDeductions", out.MedicalDeductions);
        o.add("gross", out.Gross);
        o.add("netFound", out.NetFound);
        o.add("pensionCont", setup.PensionCont);
        o.add("employerPenCont", setup.EmployerPenCont);
    }
    return {std::move(o), {}, printWhenAsked(options, [w, record = std::move(record)] {
                return report::PrintJob{
                    {report::ReportData::singleRecord(package::kSalPackageTable, record)},
                    package::layoutFile(w),
                    package::previewTitle(w)};
            })};
}

void add(CommandRegistry &registry, const char *name, const char *summary, PackageWindow w) {
    std::vector<JsonKey> keys = inputKeys(w);
    registry.add({QString::fromLatin1(name), QString::fromLatin1(summary), keys, outputKeys(w),
                  [w, keys](const JsonInputValue &input, const RunOptions &options) {
                      return runPackage(w, keys, input, options);
                  },
                  true});
}

} // namespace

void registerPackageCommands(CommandRegistry &registry) {
    add(registry, "brisvane-annual",
        "Brisvane : Annual Calculation - take-home pay and cost to company from a package",
        PackageWindow::GrossAnnual);
    add(registry, "brisvane-monthly",
        "Brisvane : Monthly Calculation - the same from a monthly package",
        PackageWindow::GrossMonthly);
    add(registry, "quillon-annual",
        "Quillon : Annual Calculation - gross salary and cost to company for a net salary",
        PackageWindow::NetAnnual);
    add(registry, "quillon-monthly",
        "Quillon : Monthly Calculation - the same for a net monthly salary",
        PackageWindow::NetMonthly);
}

} // namespace quillon::cli
