#pragma once

#include "package/PackageTypes.h"

namespace quillon::package {

// Where a package window puts its panels and button row and how tall it is, in twips. The red
// warning pushes the button row down and makes the window taller.
struct PackagePlaces {
    int settingsTop;
    int printTop;
    int raTop;
    int buttonTopNormal;
    int buttonTopWarning;
    int heightNormal;
    int heightWarning;

    int buttonTop(bool warning) const { return warning ? buttonTopWarning : buttonTopNormal; }
    int windowHeight(bool warning) const { return warning ? heightWarning : heightNormal; }
};

PackagePlaces placesOf(PackageWindow window);

} // namespace quillon::package
