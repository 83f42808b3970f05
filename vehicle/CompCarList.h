#pragma once

#include "vehicle/CompCarRecord.h"

#include <cstdint>
#include <vector>

namespace quillon::vehicle {

// The list of company cars, kept for the whole run. Entry 0 is the scratch entry typed into
// while the list is empty; vehicles are numbered 1 to CMVMaxNum. The storage may hold entries
// beyond the count: "Initialise All" sets the count to 0 and leaves the entries as they were.
struct CompCarList {
    std::int16_t CMVMaxNum = 0;
    std::int16_t CurrentCar = 0;
    double Actual3802 = 0;         // code 3802 fringe benefits on the employee's IRP5s
    std::int16_t AutoCalc3802 = 0; // 1: split Actual3802 over the vehicles by days of use
    std::vector<CompCarRecord> Cars = std::vector<CompCarRecord>(1);

    // Vehicle n, or the scratch entry for 0. Call normalise() first when the fields were set
    // from outside.
    CompCarRecord &car(int n) { return Cars[static_cast<std::size_t>(n)]; }
    const CompCarRecord &car(int n) const { return Cars[static_cast<std::size_t>(n)]; }
    CompCarRecord &current() { return car(CurrentCar); }
    const CompCarRecord &current() const { return car(CurrentCar); }

    // Makes the count and the current number usable: storage for every vehicle counted, a count
    // of at least 0 and a current number within the list (vehicle 1 when it was not).
    void normalise() {
        if (CMVMaxNum < 0)
            CMVMaxNum = 0;
        if (Cars.size() < static_cast<std::size_t>(CMVMaxNum) + 1)
            Cars.resize(static_cast<std::size_t>(CMVMaxNum) + 1);
        if (CurrentCar < 0 || CurrentCar > CMVMaxNum)
            CurrentCar = CMVMaxNum > 0 ? 1 : 0;
    }

    // "Initialise All": the count, the current number, the split flag and the code 3802 total go
    // to 0; the entries, the scratch entry included, keep what was typed.
    void reset() {
        CMVMaxNum = 0;
        CurrentCar = 0;
        AutoCalc3802 = 0;
        Actual3802 = 0;
    }
};

} // namespace quillon::vehicle
