#include "vehicle/DeemedCostScale.h"

namespace quillon::vehicle {

const DeemedCostRow &CarAllScale(double value) {
    for (const DeemedCostRow &row : DeemedCostScale)
        if (value <= row.upperBound)
            return row;
    return DeemedCostScale.back();
}

double FUEL_COMPONENT_TABLE(double price) {
    return CarAllScale(price).fuel;
}

double PRINT_FUEL_COMPONENT_TABLE(double price) {
    return CarAllScale(price).fuel;
}

} // namespace quillon::vehicle
