#pragma once

#include "vehicle/CompCarCalc.h"
#include "vehicle/CompCarList.h"

#include <QFlags>
#include <QString>

#include <optional>

namespace quillon::vehicle {

// The window's Calculate: with exactly one vehicle it carries the whole code 3802 total (as a
// whole number); then the screen pass runs twice, so that a share worked out by the automatic
// split in the first run is shown by the second.
CompCarScreen calculateCompanyCars(CompCarList &list);

// Opening the window. An empty list shows the scratch entry as vehicle 0 with the log book
// cleared, the whole tax year as its period and the automatic split off, and is not calculated
// (nullopt); otherwise vehicle 1 is shown and the list calculated.
std::optional<CompCarScreen> openCompanyCars(CompCarList &list);

// Appends a vehicle made from the scratch entry and makes it current. Refused (false, nothing
// changed) when the vehicle on screen has no registration number and the list is not empty, or
// when the list is full.
bool addCompanyCar(CompCarList &list);

// Removes the vehicle on screen; later vehicles move down one place, the scratch entry is
// cleared and vehicle 1 becomes current. An emptied list also drops its code 3802 total.
// False when there is no vehicle to remove.
bool deleteCompanyCar(CompCarList &list);

// Back (-1) and Forward (+1), wrapping round at either end, calculating before and after.
CompCarScreen moveCompanyCar(CompCarList &list, int step);

// "Full use of Company Car :  Vehicle number n of count".
QString compCarCaption(const CompCarList &list);

// The controls the registration gate and the list operations switch on and off.
enum class CompCarControl : unsigned {
    Registration = 0x001, // txtCCRegNumber and its label
    Ok = 0x002,
    Add = 0x004,
    Delete = 0x008,
    Back = 0x010,
    Forward = 0x020,
    Calculate = 0x040,
    Print = 0x080,
    Others = 0x100, // every other field, check box and label
};
Q_DECLARE_FLAGS(CompCarControls, CompCarControl)

inline constexpr CompCarControls kAllCompCarControls = CompCarControls::fromInt(0x1ff);

struct CompCarGate {
    CompCarControls enabled;
    bool focusRegistration = false;
};

// Which controls are usable for a registration number and a count of vehicles.
CompCarGate registrationGate(const QString &registration, int count);

// After Add: only Add, Ok, Delete and the registration field, which takes the focus.
CompCarGate gateAfterAdd();
// After the last vehicle is deleted: only Add, Ok, Calculate and Print.
CompCarGate gateAfterDeletingLast();

inline const QString kCompCarWindowCaption = QStringLiteral("Full use of Company Car");

} // namespace quillon::vehicle

Q_DECLARE_OPERATORS_FOR_FLAGS(quillon::vehicle::CompCarControls)
