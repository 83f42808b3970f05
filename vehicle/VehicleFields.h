#pragma once

#include "taxengine/FieldDescription.h"
#include "taxengine/TaxYear.h"
#include "vehicle/CarAllRules.h"
#include "vehicle/CompCarCalc.h"

#include <stdexcept>

namespace quillon::vehicle {

// What the car allowance reads: the remembered record and car description, the period of this
// opening, and (from quillon-calc only) a number of days instead of the dates.
struct CarAllInputs {
    CarAllData &data;
    QString &carDescription;
    QDate start = tax::taxYearStart();
    QDate end = tax::taxYearEnd();
    std::int16_t periodDays = 1;
};

using CarAllDescription = tax::CalculatorDescription<CarAllInputs, CarAllRefresh>;
// The whole company-car list, and one vehicle of it.
using CompCarListDescription = tax::CalculatorDescription<CompCarList, CompCarScreen>;
using CompCarVehicleDescription = tax::CalculatorDescription<CompCarRecord, CompCarShown>;

const CarAllDescription &carAllDescription();
const CompCarListDescription &compCarListDescription();
const CompCarVehicleDescription &compCarVehicleDescription();

// Keys the commands name themselves: in a check of two keys together, or for a value they work
// out outside the description (a list, a text, a vehicle's number).
QString startDateKey();
QString endDateKey();
QString periodDaysKey();
QString employeeNameKey();
QString methodKey();
QString vehiclesKey();
QString vehicleNumberKey();
QString currentVehicleKey();
QString captionKey();

// The described field that a window builds itself (a check box), by its control name.
template <class Field>
const Field &fieldNamed(const std::vector<Field> &fields, const QString &name) {
    for (const Field &f : fields)
        if (f.name == name)
            return f;
    throw std::logic_error("no described field is named " + name.toStdString());
}

// The 0 or 1 of a described flag, in its place in the inputs.
template <class Inputs> std::int16_t &flagIn(const tax::InputField<Inputs> &f, Inputs &in) {
    return *std::get<std::int16_t *>(f.slot(in));
}

} // namespace quillon::vehicle
