#pragma once

#include "taxengine/TaxYear.h"

#include <QDate>
#include <QString>

#include <cstdint>

namespace quillon::vehicle {

// The car allowance figures, kept for the whole run so that the window shows them again when it
// is reopened. A default-constructed record holds the reset values: every number 0, the
// deemed-cost method chosen, fuel and maintenance included.
struct CarAllData {
    // Inputs.
    double VehicleValue = 0;
    double AllowanceReceived = 0;
    double CloseKm = 0;
    double OpenKm = 0;
    double BusinessKmEntered = 0; // from a logbook; 0 or less means not given
    double FuelOil = 0;
    double RepairsMaintenance = 0;
    double InsuranceLicence = 0;
    double OtherExpenses = 0;
    double WearAndTear = 0;
    double LeasePayments = 0;
    double PeriodDays = 0;
    std::int16_t AccurateRecordKept = 0; // 0: deemed-cost method, 1: actual-cost method
    std::int16_t FuelIncluded = 1;
    std::int16_t MaintenanceIncluded = 1;

    // Results. A method leaves the results it does not set as they were.
    double TotalKm = 0;
    double BusinessKm = 0;
    double PrivateKm = 0;
    double TotalCosts = 0;
    double PrivateUse = 0;
    double DeductionClaim = 0;
    double FixedCost = 0; // rand per year
    double FixedCentsPerKm = 0;
    double FuelCentsPerKm = 0;
    double MaintenanceCentsPerKm = 0;
    double TotalCentsPerKm = 0; // rounded to one decimal, for display and print only
};

// What the car allowance window keeps for the whole run: its figures and the car's description.
struct CarAllMemory {
    CarAllData figures;
    QString description;
    // The period the figures were worked out for, shown again when the window reopens.
    QDate start = tax::taxYearStart();
    QDate end = tax::taxYearEnd();
};

} // namespace quillon::vehicle
