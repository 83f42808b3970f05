#include "package/SalPackageRecord.h"

#include "taxengine/NumberText.h"

namespace quillon::package {

using report::ReportRecord;

namespace {

// The number a two-decimal field shows.
double shown(double v) {
    return leadingNumber(formatPattern(v, u"0.00"));
}

} // namespace

QString layoutFile(PackageWindow window) {
    return isNetToGross(window) ? kQuillonLayout : kBrisvaneLayout;
}

QString previewTitle(PackageWindow window) {
    switch (window) {
    case PackageWindow::GrossAnnual:
        return QStringLiteral(
            "Brisvane2017 Annual - To export printout click on the suitcase button or goto Help");
    case PackageWindow::GrossMonthly:
        return QStringLiteral(
            "Brisvane2017 Monthly - To export printout click on the suitcase button or goto Help");
    case PackageWindow::NetAnnual:
        return QStringLiteral(
            "Quillon2017 Annual - To export printout click on the suitcase button or goto Help");
    case PackageWindow::NetMonthly:
        return QStringLiteral(
            "Quillon2017 Monthly - To export printout click on the suitcase button or goto Help");
    }
    return {};
}

ReportRecord salPackageRecord(PackageWindow window, const PackageInputs &in,
                              const PackageResults &out, const QString &taxpayerName) {
    const bool monthly = isMonthly(window);
    const bool netToGross = isNetToGross(window);
    ReportRecord r;
    auto put = [&r](const char *field, const QVariant &value) {
        r.push_back({QString::fromLatin1(field), value});
    };
    auto amount = [&put](const char *field, double v) { put(field, shown(v)); };
    auto text = [&put](const char *field, const char16_t *s) { put(field, QString::fromUtf16(s)); };

    switch (window) {
    case PackageWindow::GrossAnnual:
        text("MonAnn", u"Brisvane Salary Package Calculation : Annual");
        break;
    case PackageWindow::GrossMonthly:
        text("MonAnn", u"Brisvane Salary Package Calculation : Monthly");
        break;
    case PackageWindow::NetAnnual:
        text("MonAnn", u"Quillon Salary Package Calculation : Annual");
        break;
    case PackageWindow::NetMonthly:
        text("MonAnn", u"Quillon Salary Package Calculation : Monthly");
        break;
    }
    put("TPName", taxpayerName.left(50));
    put("TPAge", static_cast<double>(in.Age));
    text("MonAnnSal", monthly ? u"Net monthly salary required" : u"Net annual salary required");
    amount("NetMonSal", in.Amount);
    if (!netToGross)
        amount("CostToComp", in.Amount);
    amount("CompCar", in.CarValue);
    amount("CompCarCC", in.CarCost);
    amount("TravAll", in.TravelAllowance);
    amount("TravAllCC", in.TravelAllowance);
    amount("MedAidCont", in.MedAidEmployee);
    amount("MedAidContCC", in.MedAidEmployer);
    put("PMems", static_cast<double>(out.Beneficiaries));
    put("AddBens", 0.0);
    put("TaxFreeMedPrint", 0.0);
    amount("OtherTaxFB", in.OtherBenefits);
    amount("OtherTaxFBCC", in.OtherBenefits);
    put("PenDeduct", out.EmployeeFund);
    put("PenDeductCC", out.EmployerFund);
    const bool writesProvident = window != PackageWindow::NetMonthly;
    if (writesProvident) {
        put("ProvDeduct", 0.0);
        put("ProvDeductCC", 0.0);
    }
    text("RADirective", monthly ? u"Med. aid fund beneficiaries" : u"Medical beneficiaries months");
    if (writesProvident)
        put("RADeduct", 0.0);
    amount("MedDeduct", netToGross ? out.MedicalDeductions : 0.0);
    amount("UIFCont", out.EmpUIF);
    amount("UIFContCC", out.ErUIF);
    amount("SkillLevy", out.SDL);
    amount("TaxDue", out.TaxDue);
    amount("TaxCredit", out.TaxCredits);
    amount("TaxDeduct", out.TaxDeduction);
    text("PrinMembers", u"(R 720pm each)");
    text("BenMembers", u"(R 440pm each)");

    const bool anyExpenses = in.expensesTotal() > 0;
    text("OEXPTXT", anyExpenses ? u"Other Expenses :" : u"");
    for (int i = 0; i < 4; ++i) {
        const ExpenseLine &line = in.Expenses[static_cast<std::size_t>(i)];
        const bool filled = anyExpenses && line.amount > 0;
        const QString n = QString::number(i);
        r.push_back({QStringLiteral("ODedTxt") + n, filled ? line.description : QString()});
        r.push_back({QStringLiteral("ODedR") + n, filled ? QStringLiteral("R") : QString()});
        r.push_back({QStringLiteral("ODedNum") + n, filled ? shown(line.amount) : 0.0});
        r.push_back({QStringLiteral("ODedNumCC") + n, filled ? shown(line.amount) : 0.0});
    }

    amount("GSal", netToGross ? out.GrossSalary : out.NetPay);
    amount("TotCostComp", out.TotalCost);
    const double onceOff = shown(out.OnceOff);
    put("PlusCompCar1", onceOff > 0
                            ? QStringLiteral("(plus a 'once-off' cost of R ") + plainNumber(onceOff)
                            : QString());
    text("PlusCompCar2",
         onceOff > 0 ? u"for the company car and this does not include fuel, maintenance etc)."
                     : u"");
    return r;
}

ReportRecord grossAnnualRecord(const PackageInputs &in, const PackageResults &out,
                               const QString &taxpayerName) {
    return salPackageRecord(PackageWindow::GrossAnnual, in, out, taxpayerName);
}

ReportRecord grossMonthlyRecord(const PackageInputs &in, const PackageResults &out,
                                const QString &taxpayerName) {
    return salPackageRecord(PackageWindow::GrossMonthly, in, out, taxpayerName);
}

ReportRecord netAnnualRecord(const PackageInputs &in, const PackageResults &out,
                             const QString &taxpayerName) {
    return salPackageRecord(PackageWindow::NetAnnual, in, out, taxpayerName);
}

ReportRecord netMonthlyRecord(const PackageInputs &in, const PackageResults &out,
                              const QString &taxpayerName) {
    return salPackageRecord(PackageWindow::NetMonthly, in, out, taxpayerName);
}

} // namespace quillon::package
