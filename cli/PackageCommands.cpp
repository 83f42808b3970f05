#include "cli/Command.h"
#include "cli/Described.h"
#include "cli/JsonHelpers.h"
#include "package/GrossToNet.h"
#include "package/NetToGross.h"
#include "package/PackageFields.h"
#include "package/PackageRules.h"
#include "package/PackageSettings.h"
#include "package/RaPanel.h"
#include "package/SalPackageRecord.h"

#include <memory>

namespace quillon::cli {

namespace {

using package::PackageWindow;

void readExpenses(InputReader &r, package::PackageInputs &in) {
    const QString key = package::otherExpensesKey();
    const std::span<const JsonInputValue> list = r.list(key);
    if (!r.ok())
        return;
    if (list.size() > 4) {
        r.fail(QStringLiteral("\"%1\" holds at most 4 lines").arg(key));
        return;
    }
    static const std::vector<JsonKey> lineKeys = {
        {package::expenseTextKey(), KeyKind::Text, {}},
        {package::expenseAmountKey(), KeyKind::Number, {}}};
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (!list[i].IsObject()) {
            r.fail(QStringLiteral("\"%1\" lines must be objects").arg(key));
            return;
        }
        InputReader line(list[i], lineKeys);
        package::ExpenseLine &e = in.Expenses[i];
        e.description = line.text(package::expenseTextKey());
        e.amount = line.number(package::expenseAmountKey(), tax::kPackageAmount);
        if (!line.ok()) {
            r.fail(QStringLiteral("\"%1\" line %2: ").arg(key).arg(i + 1) + line.error());
            return;
        }
    }
}

// The answer shows the record straight as JSON; the printout's record is made only when a PDF
// is asked for.
void writeStatement(JsonObject &answer, std::string_view key, PackageWindow w,
                    const package::PackageInputs &in, const package::PackageResults &out,
                    const QString &name) {
    JsonRecordSink statement(answer, key);
    package::writeSalPackage(statement, w, in, out, name);
    statement.finish();
}

CommandResult runPackage(PackageWindow w, const std::vector<JsonKey> &keys,
                         const AnswerWriter<package::PackageResults> &writer,
                         const JsonInputValue &json, const RunOptions &options) {
    const bool net = package::isNetToGross(w);
    InputReader r(json, keys);
    package::PackageEntry entry;
    QString name;
    readDescribed(r, package::packageDescription(w).inputs, entry, [&](const QString &key) {
        if (key == package::otherExpensesKey())
            readExpenses(r, entry.fields);
        else
            name = r.printedName(key);
    });
    const package::PackageInputs &in = entry.fields;
    tax::SetupRecord &setup = entry.settings;
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
    // The keys of the values worked out here, made once rather than on every line.
    static const std::string raA = package::raLineAKey().toStdString(),
                             raC = package::raLineCKey().toStdString(),
                             record = package::salPackageKey().toStdString(),
                             employeePercent = package::employeeFundPercentKey().toStdString(),
                             employerPercent = package::employerFundPercentKey().toStdString();
    JsonObject o =
        writer.answer(out, [&](const QString &, std::string_view key, JsonObject &answer) {
            if (key == raA)
                answer.addAscii(key, ra.lineA);
            else if (key == raC)
                answer.addAscii(key, ra.lineC);
            else if (key == record)
                writeStatement(answer, key, w, shown, out, name);
            else if (key == employeePercent)
                answer.addNumber(key, setup.PensionCont);
            else if (key == employerPercent)
                answer.addNumber(key, setup.EmployerPenCont);
            else if (key == kLookupKey)
                answer.add(key, lookupJson(lookup));
        });
    return {std::move(o), {}, printWhenAsked(options, [w, shown, out, name] {
                return report::PrintJob{
                    {report::ReportData::singleRecord(
                        package::kSalPackageTable, package::salPackageRecord(w, shown, out, name))},
                    package::layoutFile(w),
                    package::previewTitle(w)};
            })};
}

Command packageCommand(PackageWindow w) {
    const package::PackageDescription &d = package::packageDescription(w);
    auto keys = std::make_shared<const std::vector<JsonKey>>(describedKeys(d.inputs));
    auto writer = std::make_shared<const AnswerWriter<package::PackageResults>>(d.outputs);
    return {d.command,
            d.summary,
            *keys,
            describedKeys(d.outputs),
            [w, keys, writer](const JsonInputValue &input, const RunOptions &options) {
                return runPackage(w, *keys, *writer, input, options);
            },
            true};
}

} // namespace

void registerPackageCommands(CommandRegistry &registry) {
    for (PackageWindow w : {PackageWindow::GrossAnnual, PackageWindow::GrossMonthly,
                            PackageWindow::NetAnnual, PackageWindow::NetMonthly})
        registry.add(packageCommand(w));
}

} // namespace quillon::cli
