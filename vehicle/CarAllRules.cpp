#include "vehicle/CarAllRules.h"

#include "taxengine/TaxYear.h"
#include "vehicle/CarAllCalc.h"

namespace quillon::vehicle {

namespace {

CarAllDeemedPanel deemedPanel(const CarAllData &d) {
    return {d.BusinessKm,      d.PrivateKm,       d.TotalKm,        d.FixedCost,
            d.PeriodDays,      d.FixedCentsPerKm, d.FuelCentsPerKm, d.MaintenanceCentsPerKm,
            d.TotalCentsPerKm, d.DeductionClaim};
}

CarAllActualPanel actualPanel(const CarAllData &d) {
    return {d.BusinessKm, d.PrivateKm, d.TotalKm, d.TotalCosts, d.PrivateUse, d.DeductionClaim};
}

// A zeroed deemed panel also clears the deemed results of the record, so that a printout made
// now shows what the screen shows rather than the figures of an earlier calculation.
void clearDeemedResults(CarAllData &d) {
    d.TotalKm = 0;
    d.BusinessKm = 0;
    d.PrivateKm = 0;
    d.FixedCost = 0;
    d.FixedCentsPerKm = 0;
    d.FuelCentsPerKm = 0;
    d.MaintenanceCentsPerKm = 0;
    d.TotalCentsPerKm = 0;
    d.DeductionClaim = 0;
}

} // namespace

CarAllRefresh calculateCarAllowance(CarAllData &data, const QDate &start, const QDate &end) {
    return calculateCarAllowance(data, static_cast<double>(tax::inclusiveDays(start, end)));
}

CarAllRefresh calculateCarAllowance(CarAllData &data, double periodDays) {
    CarAllRefresh out;
    data.PeriodDays = periodDays;
    out.PeriodDays = periodDays;

    const bool allGiven =
        data.VehicleValue != 0 && data.PeriodDays != 0 && data.BusinessKmEntered != 0;
    if (allGiven && data.AccurateRecordKept == 0) {
        CarAllDeemedCalc(data);
        out.deemedRefreshed = true;
        out.deemedComputed = true;
        out.deemed = deemedPanel(data);
    } else if (!allGiven) {
        clearDeemedResults(data);
        out.deemedRefreshed = true;
    }

    if (data.AccurateRecordKept == 1) {
        CarAllActualCalc(data);
        out.actualRefreshed = true;
        out.actual = actualPanel(data);
    }
    return out;
}

SinglePaymentOutcome applySinglePayment(CarAllData &data, SinglePaymentField field, double value) {
    double &target =
        field == SinglePaymentField::WearAndTear ? data.WearAndTear : data.LeasePayments;
    const double other =
        field == SinglePaymentField::WearAndTear ? data.LeasePayments : data.WearAndTear;
    if (value < 0)
        return SinglePaymentOutcome::Ignored;
    if (value > 0 && other > 0) {
        target = 0; // the field is set back to 0, and 0 is always stored
        return SinglePaymentOutcome::Refused;
    }
    target = value;
    return SinglePaymentOutcome::Stored;
}

} // namespace quillon::vehicle
