#include "vehicle/CarAllReport.h"

#include "taxengine/TaxYear.h"

namespace quillon::vehicle {

report::ReportRecord travelDeductionRecord(const CarAllData &data, const QString &carDescription,
                                           const QString &employeeName, const QDate &start,
                                           const QDate &end) {
    report::ReportRecord r;
    auto put = [&r](const char *field, const QVariant &value) {
        r.push_back({QString::fromLatin1(field), value});
    };

    put("TPName", employeeName.left(kEmployeeNameMaxLength));
    put("CARNO", 1);
    put("mta01", carDescription);
    put("mta04", data.AllowanceReceived);
    put("mta05", data.CloseKm);
    put("mta06", data.OpenKm);
    put("mta07", data.BusinessKmEntered);
    put("tadeduction", data.DeductionClaim);
    put("MTD", data.TotalKm);
    put("MBD", data.BusinessKm);
    put("mpd", data.PrivateKm);

    if (data.AccurateRecordKept == 1) {
        put("mta08", data.FuelOil);
        put("mta09", data.RepairsMaintenance);
        put("mta10", data.InsuranceLicence);
        put("mta11", data.OtherExpenses);
        put("mta12", data.WearAndTear);
        put("mta13", data.LeasePayments);
        put("totcost", data.TotalCosts);
        put("pu", data.PrivateUse);
        return r;
    }
    put("mta03", data.VehicleValue);
    put("mta14", data.PeriodDays);
    put("cv", data.FixedCost);
    put("fce", data.FixedCentsPerKm);
    put("fc", data.FuelCentsPerKm);
    put("mc", data.MaintenanceCentsPerKm);
    put("tatc", data.TotalCentsPerKm);
    put("FCDet", data.FuelIncluded != 0 ? QStringLiteral("Fuel costs")
                                        : QStringLiteral("Fuel costs not included"));
    put("MCDet", data.MaintenanceIncluded != 0 ? QStringLiteral("Maintenance costs")
                                               : QStringLiteral("Maintenance costs not included"));
    put("DateStart", tax::dateText(start));
    put("DateEnd", tax::dateText(end));
    return r;
}

} // namespace quillon::vehicle
