#pragma once

#include "vehicle/CarAllData.h"

#include <QDate>
#include <QString>

namespace quillon::vehicle {

// What the deemed-cost panel shows: all zeros when the method could not run.
struct CarAllDeemedPanel {
    double BusinessKm = 0;
    double PrivateKm = 0;
    double TotalKm = 0;
    double FixedCost = 0;
    double PeriodDays = 0; // the "days" of the fixed-cost fraction
    double FixedCentsPerKm = 0;
    double FuelCentsPerKm = 0;
    double MaintenanceCentsPerKm = 0;
    double TotalCentsPerKm = 0;
    double DeductionClaim = 0;
};

// What the actual-cost panel shows ("Travel expenses" and "Deduction claim" both show the claim).
struct CarAllActualPanel {
    double BusinessKm = 0;
    double PrivateKm = 0;
    double TotalKm = 0;
    double TotalCosts = 0;
    double PrivateUse = 0;
    double DeductionClaim = 0;
};

// Which panels one calculation refreshes. A panel that is not refreshed keeps the figures it
// showed, so a panel swapped in by "Accurate record kept" shows stale figures until the next
// calculation.
struct CarAllRefresh {
    double PeriodDays = 0;
    bool deemedRefreshed = false;
    bool deemedComputed = false; // false: the panel was zeroed
    CarAllDeemedPanel deemed;
    bool actualRefreshed = false;
    CarAllActualPanel actual;
};

// The window's Calculate: the period from the dates (both ends counted), then the deemed-cost
// method when value, period and business distance are all non-zero and no accurate record is
// kept, the deemed panel zeroed when any of the three is 0, and the actual-cost method whenever
// an accurate record is kept.
CarAllRefresh calculateCarAllowance(CarAllData &data, const QDate &start, const QDate &end);
// The same with the period already known.
CarAllRefresh calculateCarAllowance(CarAllData &data, double periodDays);

// Wear and tear and lease payments exclude each other.
enum class SinglePaymentField { WearAndTear, LeasePayments };
enum class SinglePaymentOutcome {
    Stored,  // the amount is in the record
    Refused, // the other amount is held: tell the user, show 0 and give the field the focus
    Ignored, // a negative amount: the record keeps what it had
};

// Applies a change of the wear-and-tear or lease field to the record.
SinglePaymentOutcome applySinglePayment(CarAllData &data, SinglePaymentField field, double value);

inline const QString kSinglePaymentMessage =
    QStringLiteral("Only one amount for either Wear & Tear or Lease payments will be accepted");
inline const QString kSinglePaymentTitle = QStringLiteral("Single Payment");

} // namespace quillon::vehicle
