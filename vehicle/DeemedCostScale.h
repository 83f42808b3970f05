#pragma once

#include <array>
#include <limits>

namespace quillon::vehicle {

// One band of the 2017 deemed-cost scale: a vehicle value above `lowerBound` and not above
// `upperBound` is costed at these figures.
struct DeemedCostRow {
    double lowerBound;
    double upperBound;
    double fixedCost;   // rand per year
    double fuel;        // rand per km
    double maintenance; // rand per km
};

// The 2017 deemed-cost scale. The last two rows carry the same figures: a vehicle above
// 560 000 is costed as one in the band below it.
inline constexpr std::array<DeemedCostRow, 8> DeemedCostScale{{
    {-std::numeric_limits<double>::infinity(), 80000, 26675, 0.824, 0.308},
    {80000, 160000, 47644, 0.920, 0.386},
    {160000, 240000, 68684, 1.000, 0.425},
    {240000, 320000, 87223, 1.075, 0.464},
    {320000, 400000, 105822, 1.150, 0.545},
    {400000, 480000, 125303, 1.320, 0.640},
    {480000, 560000, 144784, 1.365, 0.795},
    {560000, std::numeric_limits<double>::infinity(), 144784, 1.365, 0.795},
}};

// The row for a vehicle value; 0 and below fall in the first row, everything above 560 000 in
// the last.
const DeemedCostRow &CarAllScale(double value);

// The fuel rate (rand per km) of the scale for a company car's price, as the screen pass and
// the print pass of the company-car list look it up.
double FUEL_COMPONENT_TABLE(double price);
double PRINT_FUEL_COMPONENT_TABLE(double price);

} // namespace quillon::vehicle
