#pragma once

#include "report/ReportRecord.h"

#include <QString>

namespace quillon::business {

struct InflationInputs {
    double presentCost = 0;
    double period = 0; // whole years
    double rate = 0;   // percent per annum, may be negative
};

// The inflation projection's remembered figures, results included.
struct InflationMemory : InflationInputs {
    double futureValue = 0;
    double buyingPower = 0;

    void reset() { *this = InflationMemory{}; }
};

struct InflationResults {
    double futureValue = 0;
    double buyingPower = 0;
    bool tooLarge = false; // "Amount too large to display" instead of the future value
};

inline constexpr double kMaxDisplayAmount = 9999999999;
inline constexpr double kMaxInflationPeriod = 40;
inline constexpr double kMinInflationRate = -5;
inline constexpr double kMaxInflationRate = 40;

// Year by year: F = F + F x q / 100 and B = B - B x q / (q + 100).
InflationResults calculateInflation(const InflationInputs &in);

inline const QString kTooLargeText = QStringLiteral("Amount too large to display");
inline const QString kInflationRateMessage =
    QStringLiteral("The range of the Inflation Rate is between -5% and 40%");
inline const QString kInflationRateTitle = QStringLiteral("Incorrect Inflation Rate!");
inline const QString kInflationPeriodMessage =
    QStringLiteral("The maximum period allowed 40 years");
inline const QString kInflationPeriodTitle = QStringLiteral("Incorrect Period!");

// One click of a spinner. The rate spinner: up 0.25 (exactly 0 beeps, above 30 wraps to -5),
// down 0.25 (below -5 wraps to 30). The period spinner, offered for a non-zero period: up 1
// (above 40 wraps to 1), down 1 (0 beeps and becomes 40).
struct SpinStep {
    double value = 0;
    bool beep = false;
};
SpinStep stepInflationRate(double rate, int direction);
SpinStep stepInflationPeriod(double period, int direction);

inline const QString kInflationTable = QStringLiteral("Inflation");
inline const QString kInflationLayout = QStringLiteral("Inflatin.rpt");
inline const QString kInflationPreviewTitle =
    QStringLiteral("Inflation - To export printout click on the suitcase button or goto Help");

inline bool inflationPrintable(const InflationResults &out) {
    return out.futureValue != 0 && out.futureValue <= kMaxDisplayAmount;
}

report::ReportRecord inflationRecord(const InflationInputs &in, const InflationResults &out);

} // namespace quillon::business
