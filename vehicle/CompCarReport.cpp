#include "vehicle/CompCarReport.h"

#include "report/RecordWriter.h"
#include "vehicle/CompCarCalc.h"

#include <QDate>

#include <algorithm>

namespace quillon::vehicle {

namespace {

QString yesNo(std::int16_t flag) {
    return flag != 0 ? QStringLiteral("Yes") : QStringLiteral("No");
}

QString dayText(DayNumber day) {
    return QDate::fromJulianDay(day).toString(QStringLiteral("dd/MM/yyyy"));
}

report::ReportRecord row(const CompCarList &list, int n) {
    const CompCarRecord &c = list.car(n);
    report::RecordWriter w;
    const bool noPrice = c.CCPrice == 0;

    w.value("CarNum", n);
    w.value("CMVMaxNum", static_cast<int>(list.CMVMaxNum));
    w.value("CCRegNumber", c.CCRegNumber);
    w.value("CCMake", c.CCMake);
    w.value("CCModel", c.CCModel);
    w.value("CCPrice", c.CCPrice);
    w.value("MaintIncluded", yesNo(c.MaintIncluded));
    w.value("CCMonths", static_cast<double>(c.CCEndDate) - static_cast<double>(c.CCStartDate) + 1);
    w.value("EndMileage", c.EndMileage);
    w.value("StartMileage", c.StartMileage);
    w.value("TotalDistance", c.TotalDistance);
    w.value("BusDistance", c.BusDistance);
    w.value("ActualExpEmployee", c.ActualExpEmployee);
    w.value("SARSTable", yesNo(c.SARSTable));
    w.value("FuelReimbEmployer", c.FuelReimbEmployer);
    w.value("EmpPaidInsurance", c.EmpPaidInsurance);
    w.value("EmpPaidLicence", c.EmpPaidLicence);
    w.value("EmpPaidMaintenance", c.EmpPaidMaintenance);
    w.value("Actual3802", list.Actual3802);
    w.value("FB3802ThisCar", c.FB3802ThisCar);
    w.value("AdjustTaxableInc", noPrice ? c.SARSDeductionClaim : c.AdjustTaxableInc);
    w.value("SARSDeductionClaim", c.SARSDeductionClaim);
    w.value("TrueInclusion", noPrice ? 0.0 : c.TrueInclusion);
    w.value("PrivateDistance", c.PrivateDistance);
    w.value("FuelComponent", c.FuelComponent);
    w.value("Arr_FuelClaim", c.Arr_FuelClaim);
    w.value("TotAddExpense", c.TotAddExpense);
    w.value("FuelExp", c.FuelExp);
    w.value("BussMilage", yesNo(c.BussMilage));
    w.value("YearOfManfact", c.YearOfManfact);
    w.value("CCStartDate", dayText(c.CCStartDate));
    w.value("CCEndDate", dayText(c.CCEndDate));
    w.value("IRP53802", c.IRP53802);
    w.value("MonFB80", c.MonFB80);
    w.value("MonFB20", c.MonFB20);
    w.value("FortFB80", c.FortFB80);
    w.value("FortFB20", c.FortFB20);
    w.value("WeekFB80", c.WeekFB80);
    w.value("WeekFB20", c.WeekFB20);
    return w.take();
}

} // namespace

std::vector<report::ReportRecord> compCarReportRows(const CompCarList &list) {
    std::vector<report::ReportRecord> rows;
    const int count = std::min<int>(list.CMVMaxNum, static_cast<int>(list.Cars.size()) - 1);
    // The list totals, summed as the window sums them; only the last vehicle prints them.
    double total = 0;
    double totalSars = 0;
    for (int n = 1; n <= count; ++n) {
        total += list.car(n).AdjustTaxableInc;
        totalSars += list.car(n).SARSDeductionClaim;
    }
    for (int n = 1; n <= count; ++n) {
        report::ReportRecord r = row(list, n);
        const bool last = n == count;
        r.push_back({QStringLiteral("ListTotals"),
                     last ? QStringLiteral("Totals of the list of vehicles") : QString()});
        r.push_back({QStringLiteral("TotAdjustTaxableInc"), last ? total : 0.0});
        r.push_back({QStringLiteral("TotAdjustTaxableIncSARS"), last ? totalSars : 0.0});
        rows.push_back(std::move(r));
    }
    return rows;
}

report::ReportData compCarPrintData(CompCarList &list) {
    PrintCalc(list);
    return report::ReportData::rowTable(kCompCarTable, compCarReportRows(list));
}

} // namespace quillon::vehicle
