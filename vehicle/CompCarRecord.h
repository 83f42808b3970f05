#pragma once

#include <QString>
#include <QtGlobal>

#include <cstdint>

namespace quillon::vehicle {

// Dates of the company-car list are day numbers: QDate's Julian day numbers
// (QDate::toJulianDay / QDate::fromJulianDay), so that end - start + 1 counts the days of use.
using DayNumber = qint64;
inline constexpr DayNumber kTaxYearStartDay = 2457449; // 01/03/2016
inline constexpr DayNumber kTaxYearEndDay = 2457813;   // 28/02/2017

// One company car of the list: what the window types in, then what the passes work out.
struct CompCarRecord {
    // Inputs.
    QString CCRegNumber;
    QString CCMake;
    QString CCModel;
    QString YearOfManfact;
    double CCPrice = 0;             // including VAT
    std::int16_t MaintIncluded = 0; // 1: the price includes a maintenance plan
    DayNumber CCStartDate = kTaxYearStartDay;
    DayNumber CCEndDate = kTaxYearEndDay;
    double EndMileage = 0;
    double StartMileage = 0;
    double TotalDistance = 0; // typed in, or end less start mileage
    double BusDistance = 0;
    std::int16_t BussMilage = 0; // 1: a log book of business mileage was kept
    double ActualExpEmployee = 0;
    std::int16_t SARSTable = 0; // 1: the fuel cost table instead of the actual fuel expenses
    double FuelReimbEmployer = 0;
    double EmpPaidInsurance = 0;
    double EmpPaidLicence = 0;
    double EmpPaidMaintenance = 0;
    double FB3802ThisCar = 0; // this car's part of the list's code 3802 total

    // Results. FuelComponent and AdjustTaxableInc are kept from one pass to the next; the rest
    // are rebuilt by each pass.
    std::int16_t CCMonths = 0; // days of use
    double PrivateDistance = 0;
    double TrueInclusion = 0;
    double FuelComponent = 0;
    double Arr_FuelClaim = 0;
    double TotAddExpense = 0;
    double FuelExp = 0;
    double AdjustTaxableInc = 0;
    double SARSDeductionClaim = 0;
    double IRP53802 = 0;
    double MonFB80 = 0;
    double MonFB20 = 0;
    double FortFB80 = 0;
    double FortFB20 = 0;
    double WeekFB80 = 0;
    double WeekFB20 = 0;
};

} // namespace quillon::vehicle
