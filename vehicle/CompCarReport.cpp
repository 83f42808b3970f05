#include "vehicle/CompCarReport.h"

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
    report::ReportRecord r;
    auto put = [&r](const char *field, const QVariant &value) {
        r.push_back({QString::fromLatin1(field), value});
    };
    const bool noPrice = c.CCPrice == 0;

    put("CarNum", n);
    put("CMVMaxNum", static_cast<int>(list.CMVMaxNum));
    put("CCRegNumber", c.CCRegNumber);
    put("CCMake", c.CCMake);
    put("CCModel", c.CCModel);
    put("CCPrice", c.CCPrice);
    put("MaintIncluded", yesNo(c.MaintIncluded));
    put("CCMonths", static_cast<double>(c.CCEndDate) - static_cast<double>(c.CCStartDate) + 1);
    put("EndMileage", c.EndMileage);
    put("StartMileage", c.StartMileage);
    put("TotalDistance", c.TotalDistance);
    put("BusDistance", c.BusDistance);
    put("ActualExpEmployee", c.ActualExpEmployee);
    put("SARSTable", yesNo(c.SARSTable));
    put("FuelReimbEmployer", c.FuelReimbEmployer);
    put("EmpPaidInsurance", c.EmpPaidInsurance);
    put("EmpPaidLicence", c.EmpPaidLicence);
    put("EmpPaidMaintenance", c.EmpPaidMaintenance);
    put("Actual3802", list.Actual3802);
    put("FB3802ThisCar", c.FB3802ThisCar);
    put("AdjustTaxableInc", noPrice ? c.SARSDeductionClaim : c.AdjustTaxableInc);
    put("SARSDeductionClaim", c.SARSDeductionClaim);
    put("TrueInclusion", noPrice ? 0.0 : c.TrueInclusion);
    put("PrivateDistance", c.PrivateDistance);
    put("FuelComponent", c.FuelComponent);
    put("Arr_FuelClaim", c.Arr_FuelClaim);
    put("TotAddExpense", c.TotAddExpense);
    put("FuelExp", c.FuelExp);
    put("BussMilage", yesNo(c.BussMilage));
    put("YearOfManfact", c.YearOfManfact);
    put("CCStartDate", dayText(c.CCStartDate));
    put("CCEndDate", dayText(c.CCEndDate));
    put("IRP53802", c.IRP53802);
    put("MonFB80", c.MonFB80);
    put("MonFB20", c.MonFB20);
    put("FortFB80", c.FortFB80);
    put("FortFB20", c.FortFB20);
    put("WeekFB80", c.WeekFB80);
    put("WeekFB20", c.WeekFB20);
    return r;
}

} // namespace

std::vector<report::ReportRecord> compCarReportRows(const CompCarList &list) {
    std::vector<report::ReportRecord> rows;
    const int count = std::min<int>(list.CMVMaxNum, static_cast<int>(list.Cars.size()) - 1);
    for (int n = 1; n <= count; ++n)
        rows.push_back(row(list, n));
    return rows;
}

report::ReportData compCarPrintData(CompCarList &list) {
    PrintCalc(list);
    report::ReportData data;
    data.table = kCompCarTable;
    data.isRowTable = true;
    data.rows = compCarReportRows(list);
    return data;
}

} // namespace quillon::vehicle
