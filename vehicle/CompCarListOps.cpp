#include "vehicle/CompCarListOps.h"

#include "taxengine/TaxRules.h"

#include <limits>

namespace quillon::vehicle {

namespace {

// The fields a new vehicle takes from the scratch entry. The year, the log book, the dates and
// the fuel-table flag are not among them.
void copyFromScratch(const CompCarRecord &scratch, CompCarRecord &car) {
    car.CCRegNumber = scratch.CCRegNumber;
    car.CCMake = scratch.CCMake;
    car.CCModel = scratch.CCModel;
    car.CCPrice = scratch.CCPrice;
    car.MaintIncluded = scratch.MaintIncluded;
    car.EndMileage = scratch.EndMileage;
    car.StartMileage = scratch.StartMileage;
    car.TotalDistance = scratch.TotalDistance;
    car.BusDistance = scratch.BusDistance;
    car.ActualExpEmployee = scratch.ActualExpEmployee;
    car.FuelReimbEmployer = scratch.FuelReimbEmployer;
    car.EmpPaidInsurance = scratch.EmpPaidInsurance;
    car.EmpPaidLicence = scratch.EmpPaidLicence;
    car.EmpPaidMaintenance = scratch.EmpPaidMaintenance;
    car.FB3802ThisCar = scratch.FB3802ThisCar;
    car.AdjustTaxableInc = scratch.AdjustTaxableInc;
}

} // namespace

CompCarScreen calculateCompanyCars(CompCarList &list) {
    list.normalise();
    if (list.CMVMaxNum == 1)
        list.current().FB3802ThisCar = tax::roundHalfEven(list.Actual3802);
    CompCarCalc(list);
    return CompCarCalc(list);
}

std::optional<CompCarScreen> openCompanyCars(CompCarList &list) {
    list.normalise();
    if (list.CMVMaxNum == 0) {
        list.CurrentCar = 0;
        CompCarRecord &scratch = list.car(0);
        scratch.BussMilage = 0;
        scratch.CCStartDate = kTaxYearStartDay;
        scratch.CCEndDate = kTaxYearEndDay;
        list.AutoCalc3802 = 0;
        return std::nullopt;
    }
    list.CurrentCar = 1;
    return calculateCompanyCars(list);
}

bool addCompanyCar(CompCarList &list) {
    list.normalise();
    if (list.CMVMaxNum > 0 && list.current().CCRegNumber.isEmpty())
        return false;
    if (list.CMVMaxNum == std::numeric_limits<std::int16_t>::max())
        return false;
    calculateCompanyCars(list);

    const auto n = static_cast<std::int16_t>(list.CMVMaxNum + 1);
    // A new vehicle starts empty even where an entry left by "Initialise All" still lies.
    CompCarRecord car;
    copyFromScratch(list.car(0), car);
    if (list.Cars.size() > static_cast<std::size_t>(n))
        list.car(n) = car;
    else
        list.Cars.push_back(car);
    list.CMVMaxNum = n;
    list.CurrentCar = n;
    if (n >= 2)
        list.AutoCalc3802 = 1;

    list.car(0).SARSTable = 0;
    CompCarRecord &added = list.car(n);
    added.SARSTable = 0;
    added.FuelComponent = 0;
    added.BussMilage = 0;
    added.CCStartDate = kTaxYearStartDay;
    added.CCEndDate = kTaxYearEndDay;
    calculateCompanyCars(list);
    return true;
}

bool deleteCompanyCar(CompCarList &list) {
    list.normalise();
    if (list.CMVMaxNum == 0 || list.CurrentCar < 1)
        return false;
    list.Cars.erase(list.Cars.begin() + list.CurrentCar);
    list.CMVMaxNum = static_cast<std::int16_t>(list.CMVMaxNum - 1);
    list.car(0) = CompCarRecord{};
    list.CurrentCar = list.CMVMaxNum > 0 ? 1 : 0;
    if (list.CMVMaxNum == 0)
        list.Actual3802 = 0;
    calculateCompanyCars(list);
    return true;
}

CompCarScreen moveCompanyCar(CompCarList &list, int step) {
    calculateCompanyCars(list);
    const int count = list.CMVMaxNum;
    if (count > 0) {
        // From 1..count to 0..count-1 and back, wrapping either way.
        const int from = list.CurrentCar - 1;
        const int to = ((from + step) % count + count) % count;
        list.CurrentCar = static_cast<std::int16_t>(to + 1);
    }
    return calculateCompanyCars(list);
}

QString compCarCaption(const CompCarList &list) {
    return kCompCarWindowCaption + QStringLiteral(" : ") + QStringLiteral(" Vehicle number ") +
           QString::number(list.CurrentCar) + QStringLiteral(" of ") +
           QString::number(list.CMVMaxNum);
}

CompCarGate registrationGate(const QString &registration, int count) {
    const bool several = count >= 2;
    if (!registration.isEmpty()) {
        if (several)
            return {kAllCompCarControls, false};
        return {kAllCompCarControls &
                    ~CompCarControls(CompCarControl::Back | CompCarControl::Forward),
                false};
    }
    if (several)
        return {CompCarControl::Registration | CompCarControl::Delete, false};
    return {CompCarControl::Registration | CompCarControl::Ok | CompCarControl::Add, true};
}

CompCarGate gateAfterAdd() {
    return {CompCarControl::Add | CompCarControl::Ok | CompCarControl::Delete |
                CompCarControl::Registration,
            true};
}

CompCarGate gateAfterDeletingLast() {
    return {CompCarControl::Add | CompCarControl::Ok | CompCarControl::Calculate |
                CompCarControl::Print,
            false};
}

} // namespace quillon::vehicle
