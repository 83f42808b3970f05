#include "vehicle/VehicleFields.h"

namespace quillon::vehicle {

using namespace Qt::Literals::StringLiterals;
using tax::slot;
using tax::ValueKind;

QString startDateKey() {
    return u"startDate"_s;
}

QString endDateKey() {
    return u"endDate"_s;
}

QString periodDaysKey() {
    return u"periodDays"_s;
}

QString employeeNameKey() {
    return u"employeeName"_s;
}

QString methodKey() {
    return u"method"_s;
}

QString vehiclesKey() {
    return u"vehicles"_s;
}

QString vehicleNumberKey() {
    return u"number"_s;
}

QString currentVehicleKey() {
    return u"currentVehicle"_s;
}

QString captionKey() {
    return u"caption"_s;
}

namespace {

// A period typed as a number of days instead of the dates: one day to a whole year.
constexpr tax::FieldRange kPeriodDays{u"0", 1, 365};
// The vehicle on screen: its number in the list.
constexpr tax::FieldRange kVehicleNumber{u"0", 1, 32767};
constexpr tax::FieldRange kDate{u"dd/mm/yyyy", 0, 0};

template <class Inputs>
tax::InputField<Inputs> textField(QString key, QString name, QString caption, int maxLength,
                                  QString help, tax::SlotOf<Inputs> to) {
    tax::InputField<Inputs> f =
        tax::input<Inputs>(std::move(key), std::move(name), std::move(caption), ValueKind::Text, {},
                           std::move(help), std::move(to));
    f.maxLength = maxLength;
    return f;
}

// --- Car allowance ---

using CarIn = CarAllInputs;
using CarOut = CarAllRefresh;

template <class T> tax::SlotOf<CarIn> inRecord(T CarAllData::*member) {
    return [member](CarIn &in) -> tax::ValueSlot { return &(in.data.*member); };
}

// The window takes whole rand and whole kilometres.
tax::InputField<CarIn> randField(QString key, QString name, QString caption, QString help,
                                 double CarAllData::*member) {
    return tax::input<CarIn>(std::move(key), std::move(name), std::move(caption), ValueKind::Amount,
                             tax::kWholeRand, std::move(help), inRecord(member));
}

tax::InputField<CarIn> kmField(QString key, QString name, QString caption, QString help,
                               double CarAllData::*member) {
    return tax::input<CarIn>(std::move(key), std::move(name), std::move(caption), ValueKind::Figure,
                             tax::kWholeKm, std::move(help), inRecord(member));
}

tax::InputField<CarIn> flagField(QString key, QString name, QString caption, QString help,
                                 std::int16_t CarAllData::*member) {
    return tax::input<CarIn>(std::move(key), std::move(name), std::move(caption), ValueKind::Flag,
                             {}, std::move(help), inRecord(member));
}

tax::InputField<CarIn> dayField(QString key, QString name, QString caption, QString help,
                                QDate CarIn::*member) {
    return tax::input<CarIn>(std::move(key), std::move(name), std::move(caption), ValueKind::Date,
                             kDate, std::move(help), slot<CarIn>(member));
}

// A figure of the results panels: none of them is shown as money.
tax::OutputField<CarOut> panel(QString key, QString name, QString caption, QString help,
                               std::function<double(const CarOut &)> value,
                               const char16_t *pattern = u"0") {
    return tax::output<CarOut>(std::move(key), std::move(name), std::move(caption),
                               ValueKind::Figure, pattern, false, std::move(help),
                               std::move(value));
}

std::function<double(const CarOut &)> deemed(double CarAllDeemedPanel::*member) {
    return [member](const CarOut &out) { return out.deemed.*member; };
}

std::function<double(const CarOut &)> actual(double CarAllActualPanel::*member) {
    return [member](const CarOut &out) { return out.actual.*member; };
}

CarAllDescription makeCarAll() {
    using D = CarAllData;
    return {
        u"car-allowance"_s,
        u"deduction against a travel allowance, by the deemed-cost scale or by actual costs"_s,
        {
            textField<CarIn>(u"carDescription"_s, u"Text1"_s, u"Car :"_s, 50,
                             u"Car : (printed only)"_s,
                             [](CarIn &in) -> tax::ValueSlot { return &in.carDescription; }),
            flagField(
                u"accurateRecordKept"_s, u"Option4"_s, u"Accurate record kept"_s,
                u"Accurate record kept: true for actual costs, false (default) for the deemed "
                "scale"_s,
                &D::AccurateRecordKept),
            randField(u"vehicleValue"_s, u"silgEdit1"_s, u"Original value of vehicle"_s,
                      u"Original value of vehicle"_s, &D::VehicleValue),
            randField(u"allowanceReceived"_s, u"silgEdit2"_s, u"Allowance received"_s,
                      u"Allowance received; 0 means no cap"_s, &D::AllowanceReceived),
            kmField(u"closeKm"_s, u"silgEdit3"_s, u"Close km reading"_s, u"Close km reading"_s,
                    &D::CloseKm),
            kmField(u"openKm"_s, u"silgEdit4"_s, u"Open km reading"_s, u"Open km reading"_s,
                    &D::OpenKm),
            kmField(u"businessKm"_s, u"silgEdit5"_s, u"Business km"_s,
                    u"Business km (if kept); 0 means not given"_s, &D::BusinessKmEntered),
            randField(u"fuelOil"_s, u"silgEdit6"_s, u"Fuel/Oil"_s, u"Fuel/Oil (actual costs)"_s,
                      &D::FuelOil),
            randField(u"repairsMaintenance"_s, u"silgEdit7"_s, u"Repairs/Miantenance"_s,
                      u"Repairs/Maintenance (actual costs)"_s, &D::RepairsMaintenance),
            randField(u"insuranceLicence"_s, u"silgEdit8"_s, u"Insurance/Licence"_s,
                      u"Insurance/Licence (actual costs)"_s, &D::InsuranceLicence),
            randField(u"otherExpenses"_s, u"silgEdit9"_s, u"Other expenses"_s,
                      u"Other expenses (actual costs)"_s, &D::OtherExpenses),
            randField(u"wearAndTear"_s, u"silgEdit10"_s, u"Wear and tear"_s,
                      u"Wear and tear, not with lease payments, not negative"_s, &D::WearAndTear),
            randField(u"leasePayments"_s, u"silgEdit11"_s, u"Lease payments"_s,
                      u"Lease payments, not with wear and tear, not negative"_s, &D::LeasePayments),
            dayField(startDateKey(), u"dtCarAlStartDate"_s, u"Start Date"_s,
                     u"Start Date, from 01/03/2016 (default)"_s, &CarIn::start),
            dayField(endDateKey(), u"dtCarAlEndDate"_s, u"End Date"_s,
                     u"End Date, up to 28/02/2017 (default)"_s, &CarIn::end),
            tax::input<CarIn>(periodDaysKey(), {}, {}, ValueKind::Count, kPeriodDays,
                              u"Period (number of days) 1 to 365, instead of the dates"_s,
                              slot<CarIn>(&CarIn::periodDays)),
            flagField(u"fuelIncluded"_s, u"Check1"_s, u"Include Fuel Costs"_s,
                      u"Include Fuel Costs (default true)"_s, &D::FuelIncluded),
            flagField(u"maintenanceIncluded"_s, u"Check2"_s, u"Include Maintenance Costs"_s,
                      u"Include Maintenance Costs (default true)"_s, &D::MaintenanceIncluded),
            tax::input<CarIn>(employeeNameKey(), {}, {}, ValueKind::Text, {},
                              u"Employee name for --pdf, at most 50 characters"_s),
        },
        {
            tax::output<CarOut>(periodDaysKey(), u"silgEdit12"_s, u"Period (number of days)"_s,
                                ValueKind::Count, u"0", false, u"Period (number of days)"_s,
                                tax::reading<CarOut>(&CarOut::PeriodDays)),
            tax::output<CarOut>(
                methodKey(), {}, {}, ValueKind::Text, u"0", false,
                u"\"deemed\", \"actual\", or \"none\" when neither ran (deemed panel zeroed)"_s),
            panel(u"deemedBusinessKm"_s, u"sidbEdit30"_s, u"Business distance"_s,
                  u"deemed panel: Business distance"_s, deemed(&CarAllDeemedPanel::BusinessKm)),
            panel(u"deemedPrivateKm"_s, u"sidbEdit31"_s, u"Private distance"_s,
                  u"deemed panel: Private distance"_s, deemed(&CarAllDeemedPanel::PrivateKm)),
            panel(u"deemedTotalKm"_s, u"sidbEdit32"_s, u"Total distance"_s,
                  u"deemed panel: Total distance"_s, deemed(&CarAllDeemedPanel::TotalKm)),
            // The fixed cost as the fraction: cost x days over total distance x 365 days.
            panel(u"fixedCost"_s, u"sidbEdit33"_s, u"Fixed cost          R"_s,
                  u"deemed panel: Fixed cost, rand a year"_s,
                  deemed(&CarAllDeemedPanel::FixedCost)),
            panel({}, u"silgEdit134"_s, u"Days of the period"_s,
                  u"days of the period the fixed cost is spread over"_s,
                  deemed(&CarAllDeemedPanel::PeriodDays)),
            panel({}, u"sidbEdit34"_s, u"                   ÷"_s,
                  u"total distance the fixed cost is divided by"_s,
                  deemed(&CarAllDeemedPanel::TotalKm)),
            panel({}, u"silgEdit136"_s, u"Days of the year"_s, u"days of a whole year"_s,
                  [](const CarOut &) { return 365.0; }),
            panel(u"fixedCentsPerKm"_s, u"sidbEdit10"_s, u"Fixed cost"_s,
                  u"deemed panel: Fixed cost, cents/km"_s,
                  deemed(&CarAllDeemedPanel::FixedCentsPerKm), u"0.0"),
            panel(u"fuelCentsPerKm"_s, u"sidbEdit11"_s, u"Fuel costs"_s,
                  u"deemed panel: Fuel costs, cents/km"_s,
                  deemed(&CarAllDeemedPanel::FuelCentsPerKm), u"0.0"),
            panel(u"maintenanceCentsPerKm"_s, u"sidbEdit12"_s, u"Maintenance costs"_s,
                  u"deemed panel: Maintenance costs, cents/km"_s,
                  deemed(&CarAllDeemedPanel::MaintenanceCentsPerKm), u"0.0"),
            panel(u"totalCentsPerKm"_s, u"sidbEdit13"_s, u"Total costs"_s,
                  u"deemed panel: Total costs, cents/km, one decimal"_s,
                  deemed(&CarAllDeemedPanel::TotalCentsPerKm), u"0.0"),
            panel(u"deemedDeductionClaim"_s, u"sidbEdit14"_s, u"Deduction claim          R"_s,
                  u"deemed panel: Deduction claim, unrounded"_s,
                  deemed(&CarAllDeemedPanel::DeductionClaim)),
            panel(u"actualBusinessKm"_s, u"sidbEdit20"_s, u"Business Km's"_s,
                  u"actual panel: Business Km's"_s, actual(&CarAllActualPanel::BusinessKm)),
            panel(u"actualPrivateKm"_s, u"sidbEdit21"_s, u"Private Km's"_s,
                  u"actual panel: Private Km's"_s, actual(&CarAllActualPanel::PrivateKm)),
            panel(u"actualTotalKm"_s, u"sidbEdit22"_s, u"Total Km's"_s,
                  u"actual panel: Total Km's"_s, actual(&CarAllActualPanel::TotalKm)),
            panel(u"totalCosts"_s, u"sidbEdit23"_s, u"Total costs"_s,
                  u"actual panel: Total costs"_s, actual(&CarAllActualPanel::TotalCosts)),
            panel(u"privateUse"_s, u"sidbEdit24"_s, u"Less private use"_s,
                  u"actual panel: Less private use"_s, actual(&CarAllActualPanel::PrivateUse)),
            panel(u"actualDeductionClaim"_s, u"sidbEdit25"_s, u"Travel expenses"_s,
                  u"actual panel: Travel expenses and Deduction claim"_s,
                  actual(&CarAllActualPanel::DeductionClaim)),
            panel({}, u"sidbEdit26"_s, u"Deduction claim"_s,
                  u"actual panel: Deduction claim, the same figure"_s,
                  actual(&CarAllActualPanel::DeductionClaim)),
        },
    };
}

// --- Company car ---

using Car = CompCarRecord;
using Shown = CompCarShown;

template <class Inputs>
tax::InputField<Inputs> amountOf(QString key, QString name, QString caption, QString help,
                                 tax::SlotOf<Inputs> to) {
    return tax::input<Inputs>(std::move(key), std::move(name), std::move(caption),
                              ValueKind::Amount, tax::kWholeRand, std::move(help), std::move(to));
}

tax::InputField<Car> carRand(QString key, QString name, QString caption, QString help,
                             double Car::*member) {
    return amountOf<Car>(std::move(key), std::move(name), std::move(caption), std::move(help),
                         slot<Car>(member));
}

tax::InputField<Car> carKm(QString key, QString name, QString caption, QString help,
                           double Car::*member) {
    return tax::input<Car>(std::move(key), std::move(name), std::move(caption), ValueKind::Figure,
                           tax::kWholeKm, std::move(help), slot<Car>(member));
}

tax::InputField<Car> carFlag(QString key, QString name, QString caption, QString help,
                             std::int16_t Car::*member) {
    return tax::input<Car>(std::move(key), std::move(name), std::move(caption), ValueKind::Flag, {},
                           std::move(help), slot<Car>(member));
}

tax::InputField<Car> carDay(QString key, QString name, QString caption, QString help,
                            DayNumber Car::*member) {
    return tax::input<Car>(std::move(key), std::move(name), std::move(caption), ValueKind::Date,
                           kDate, std::move(help), slot<Car>(member));
}

// A money figure of the vehicle on screen.
tax::OutputField<Shown> shownRand(QString key, QString name, QString caption, QString help,
                                  double Shown::*member) {
    return tax::output<Shown>(std::move(key), std::move(name), std::move(caption),
                              ValueKind::Figure, u"0.00", true, std::move(help),
                              tax::reading<Shown>(member));
}

CompCarVehicleDescription makeVehicle() {
    return {
        {},
        {},
        {
            textField<Car>(u"registration"_s, u"txtCCRegNumber"_s, u"Vehicle registration number"_s,
                           20, u"Vehicle registration number"_s, slot<Car>(&Car::CCRegNumber)),
            textField<Car>(u"make"_s, u"txtCCMake"_s, u"Car Make"_s, 30, u"Car Make"_s,
                           slot<Car>(&Car::CCMake)),
            textField<Car>(u"model"_s, u"txtCCModel"_s, u"Car Model"_s, 30, u"Car Model"_s,
                           slot<Car>(&Car::CCModel)),
            textField<Car>(u"yearOfManufacture"_s, u"txtYearOfManfact"_s, u"Year of manufacture"_s,
                           4, u"Year of manufacture"_s, slot<Car>(&Car::YearOfManfact)),
            carRand(u"price"_s, u"numCCPrice"_s, u"Price of vehicle (incl VAT)"_s,
                    u"Price of vehicle (incl VAT)"_s, &Car::CCPrice),
            carFlag(u"maintenancePlan"_s, u"chkMaintIncluded"_s, u"Maint. plan included?"_s,
                    u"Maint. plan included?"_s, &Car::MaintIncluded),
            carDay(startDateKey(), u"dtCCStartDate"_s, u"Start date"_s,
                   u"Start date, from 01/03/2016 (default)"_s, &Car::CCStartDate),
            carDay(endDateKey(), u"dtCCEndDate"_s, u"End date"_s,
                   u"End date, up to 28/02/2017 (default)"_s, &Car::CCEndDate),
            carKm(u"endMileage"_s, u"numEndMileage"_s, u"End mileage"_s,
                  u"End mileage; above 0 the total distance is worked out"_s, &Car::EndMileage),
            carKm(u"startMileage"_s, u"numStartMileage"_s, u"Start mileage"_s, u"Start mileage"_s,
                  &Car::StartMileage),
            carKm(u"totalDistance"_s, u"numTotalDistance"_s, u"Total distance"_s,
                  u"Total distance, when no end mileage is given"_s, &Car::TotalDistance),
            carKm(u"businessDistance"_s, u"numBusDistance"_s, u"Business distance"_s,
                  u"Business distance"_s, &Car::BusDistance),
            carFlag(u"logBook"_s, u"chkBussMilage"_s,
                    u"Did you keep a log book detailing business mileage?"_s,
                    u"Did you keep a log book detailing business mileage?"_s, &Car::BussMilage),
            carRand(u"fuelPaidByEmployee"_s, u"numActualExpEmployee"_s,
                    u"Actual fuel expenses paid by the employee"_s,
                    u"Actual fuel expenses paid by the employee"_s, &Car::ActualExpEmployee),
            carFlag(u"useFuelTable"_s, u"chkSARSTable"_s, u"Or use SARS's cents/km fuel table?"_s,
                    u"Or use SARS's cents/km fuel table?"_s, &Car::SARSTable),
            carRand(u"fuelReimbursed"_s, u"numFuelReimbEmployer"_s,
                    u"Fuel expenses reimbursement by employer"_s,
                    u"Fuel expenses reimbursement by employer"_s, &Car::FuelReimbEmployer),
            carRand(u"insurancePaid"_s, u"numEmpPaidInsurance"_s,
                    u"Employee paid ALL insurance costs"_s, u"Employee paid ALL insurance costs"_s,
                    &Car::EmpPaidInsurance),
            carRand(u"licencePaid"_s, u"numEmpPaidLicence"_s, u"Employee paid ALL licensing fees"_s,
                    u"Employee paid ALL licensing fees"_s, &Car::EmpPaidLicence),
            carRand(u"maintenancePaid"_s, u"numEmpPaidMaintenance"_s,
                    u"Employee paid ALL maintenance costs"_s,
                    u"Employee paid ALL maintenance costs"_s, &Car::EmpPaidMaintenance),
            carRand(u"fb3802ThisCar"_s, u"numFB3802ThisCar"_s,
                    u"Code 3802 f/benefit for this car"_s,
                    u"Code 3802 f/benefit for this car (worked out with one vehicle or the "
                    "automatic split)"_s,
                    &Car::FB3802ThisCar),
        },
        {
            tax::output<Shown>(vehicleNumberKey(), {}, {}, ValueKind::Count, u"0", false,
                               u"the vehicle's number"_s),
            tax::output<Shown>(u"days"_s, u"numCCMonths"_s, u"No of days"_s, ValueKind::Count, u"0",
                               false, u"No of days"_s, tax::reading<Shown>(&Shown::CCMonths)),
            // The window shows these three in their input fields.
            shownRand(u"totalDistance"_s, {}, {}, u"Total distance after the calculation"_s,
                      &Shown::TotalDistance),
            shownRand(u"businessDistance"_s, {}, {}, u"Business distance, at most the total"_s,
                      &Shown::BusDistance),
            tax::output<Shown>(u"privateDistance"_s, u"numPrivateDistance"_s, u"Private distance"_s,
                               ValueKind::Figure, u"0", false, u"Private distance"_s,
                               tax::reading<Shown>(&Shown::PrivateDistance)),
            shownRand(u"fb3802ThisCar"_s, {}, {}, u"Code 3802 f/benefit for this car"_s,
                      &Shown::FB3802ThisCar),
            shownRand(u"trueInclusion"_s, u"numTrueInclusion"_s,
                      u"True inclusion amount\n(adjusted for private mileage)"_s,
                      u"True inclusion amount"_s, &Shown::TrueInclusion),
            shownRand(u"fuelComponent"_s, u"numFuelComponent"_s, u"Fuel component"_s,
                      u"Fuel component"_s, &Shown::FuelComponent),
            shownRand(u"fuelClaim"_s, u"numFuelClaim"_s, u"Fuel claim (adjusted for mileage)"_s,
                      u"Fuel claim (adjusted for mileage)"_s, &Shown::Arr_FuelClaim),
            shownRand(u"additionalExpenses"_s, u"numTotAddExpense"_s,
                      u"Total additional expenses\n(adjusted for mileage)"_s,
                      u"Total additional expenses (adjusted for mileage)"_s, &Shown::TotAddExpense),
            shownRand({}, u"numTrueInclusion_1"_s, u"True inclusion amount"_s,
                      u"True inclusion amount, from which fuel and expenses are taken"_s,
                      &Shown::TrueInclusion),
            shownRand(u"fuelAndExpenses"_s, u"numFuelExp"_s, u"Less fuel && expenses"_s,
                      u"Less fuel & expenses"_s, &Shown::FuelExp),
            shownRand(u"adjustTaxableIncome"_s, u"numAdjustTaxableInc"_s,
                      u"Adjustment to taxable income"_s, u"Adjustment to taxable income"_s,
                      &Shown::AdjustTaxableInc),
            shownRand(u"sarsDeductionClaim"_s, u"numAdjustTaxableIncSARS"_s,
                      u"(SARS's claim awarded against taxable income)"_s,
                      u"(SARS's claim awarded against taxable income), unrounded"_s,
                      &Shown::SARSDeductionClaim),
            shownRand(u"irp5Code3802"_s, u"numIRP53802"_s, u"IRP5 code 3802 amount for this car"_s,
                      u"IRP5 code 3802 amount for this car"_s, &Shown::IRP53802),
            // The 20% figure stands beside the 80% one; its caption is what it is called.
            shownRand(u"monthly80"_s, u"numMonFB80"_s, u"Monthly f/benefit amount for this car"_s,
                      u"Monthly f/benefit amount, 80%"_s, &Shown::MonFB80),
            shownRand(u"monthly20"_s, u"numMonFB20"_s,
                      u"Monthly f/benefit amount for this car at 20%"_s,
                      u"Monthly f/benefit amount, 20%"_s, &Shown::MonFB20),
            shownRand(u"fortnightly80"_s, u"numFortFB80"_s,
                      u"Fortnightly f/benefit amount for this car"_s,
                      u"Fortnightly f/benefit amount, 80%"_s, &Shown::FortFB80),
            shownRand(u"fortnightly20"_s, u"numFortFB20"_s,
                      u"Fortnightly f/benefit amount for this car at 20%"_s,
                      u"Fortnightly f/benefit amount, 20%"_s, &Shown::FortFB20),
            shownRand(u"weekly80"_s, u"numWeekFB80"_s, u"Weekly f/benefit amount for this car"_s,
                      u"Weekly f/benefit amount, 80%"_s, &Shown::WeekFB80),
            shownRand(u"weekly20"_s, u"numWeekFB20"_s,
                      u"Weekly f/benefit amount for this car at 20%"_s,
                      u"Weekly f/benefit amount, 20%"_s, &Shown::WeekFB20),
        },
    };
}

CompCarListDescription makeList() {
    using List = CompCarList;
    using Screen = CompCarScreen;
    const auto total = [](QString key, QString name, QString caption, QString help,
                          double Screen::*member) {
        return tax::output<Screen>(std::move(key), std::move(name), std::move(caption),
                                   ValueKind::Figure, u"0.00", true, std::move(help),
                                   tax::reading<Screen>(member));
    };
    return {
        u"company-car"_s,
        u"fringe benefit of the full use of a list of company cars"_s,
        {
            tax::input<List>(vehiclesKey(), {}, {}, ValueKind::List, {},
                             u"the vehicles in list order, objects with the keys below"_s),
            amountOf<List>(
                u"actual3802"_s, u"numActual3802"_s, u"Total code 3802 f/benefits on IRP5's"_s,
                u"Total code 3802 f/benefits on IRP5's"_s, slot<List>(&List::Actual3802)),
            tax::input<List>(u"autoCalc3802"_s, u"chkAutoCalc3802"_s,
                             u"Auto-calculate f/benefit splits"_s, ValueKind::Flag, {},
                             u"Auto-calculate f/benefit splits (default: on from two vehicles)"_s,
                             slot<List>(&List::AutoCalc3802)),
            tax::input<List>(currentVehicleKey(), {}, {}, ValueKind::Count, kVehicleNumber,
                             u"the vehicle on screen, 1 (default) to the count"_s,
                             slot<List>(&List::CurrentCar)),
        },
        {
            tax::output<Screen>(vehiclesKey(), {}, {}, ValueKind::List, u"0", false,
                                u"per vehicle, in list order, the keys below"_s),
            total(u"totalAdjustTaxableIncome"_s, u"numTotAdjustTaxableInc"_s,
                  u"Total Adjustment to taxable income"_s, u"Total Adjustment to taxable income"_s,
                  &Screen::TotAdjustTaxableInc),
            total(u"totalSarsDeductionClaim"_s, u"numTotAdjustTaxableIncSARS"_s,
                  u"(SARS's claim awarded against taxable income)"_s,
                  u"its (SARS's claim awarded against taxable income)"_s,
                  &Screen::TotAdjustTaxableIncSARS),
            tax::output<Screen>(currentVehicleKey(), {}, {}, ValueKind::Count, u"0", false,
                                u"the vehicle on screen"_s),
            tax::output<Screen>(u"blank"_s, {}, {}, ValueKind::Flag, u"0", false,
                                u"the vehicle on screen has no distance and no price"_s,
                                tax::reading<Screen>(&Screen::blank)),
            tax::output<Screen>(captionKey(), {}, {}, ValueKind::Text, u"0", false,
                                u"the window caption"_s),
        },
    };
}

} // namespace

const CarAllDescription &carAllDescription() {
    static const CarAllDescription d = makeCarAll();
    return d;
}

const CompCarListDescription &compCarListDescription() {
    static const CompCarListDescription d = makeList();
    return d;
}

const CompCarVehicleDescription &compCarVehicleDescription() {
    static const CompCarVehicleDescription d = makeVehicle();
    return d;
}

} // namespace quillon::vehicle
