#include "vehicle/CarAllReport.h"

#include "report/RecordWriter.h"
#include "taxengine/TaxYear.h"

namespace quillon::vehicle {

report::ReportRecord travelDeductionRecord(const CarAllData &data, const QString &carDescription,
                                           const QString &employeeName, const QDate &start,
                                           const QDate &end) {
    report::RecordWriter w;
    w.value("TPName", employeeName.left(kEmployeeNameMaxLength));
    w.value("CARNO", 1);
    w.value("mta01", carDescription);
    w.value("mta04", data.AllowanceReceived);
    w.value("mta05", data.CloseKm);
    w.value("mta06", data.OpenKm);
    w.value("mta07", data.BusinessKmEntered);
    w.value("tadeduction", data.DeductionClaim);
    w.value("MTD", data.TotalKm);
    w.value("MBD", data.BusinessKm);
    w.value("mpd", data.PrivateKm);

    if (data.AccurateRecordKept == 1) {
        w.value("mta08", data.FuelOil);
        w.value("mta09", data.RepairsMaintenance);
        w.value("mta10", data.InsuranceLicence);
        w.value("mta11", data.OtherExpenses);
        w.value("mta12", data.WearAndTear);
        w.value("mta13", data.LeasePayments);
        w.value("totcost", data.TotalCosts);
        w.value("pu", data.PrivateUse);
        return w.take();
    }
    w.value("mta03", data.VehicleValue);
    w.value("mta14", data.PeriodDays);
    w.value("cv", data.FixedCost);
    w.value("fce", data.FixedCentsPerKm);
    w.value("fc", data.FuelCentsPerKm);
    w.value("mc", data.MaintenanceCentsPerKm);
    w.value("tatc", data.TotalCentsPerKm);
    w.value("FCDet", data.FuelIncluded != 0 ? QStringLiteral("Fuel costs")
                                            : QStringLiteral("Fuel costs not included"));
    w.value("MCDet", data.MaintenanceIncluded != 0
                         ? QStringLiteral("Maintenance costs")
                         : QStringLiteral("Maintenance costs not included"));
    w.value("DateStart", tax::dateText(start));
    w.value("DateEnd", tax::dateText(end));
    return w.take();
}

} // namespace quillon::vehicle
