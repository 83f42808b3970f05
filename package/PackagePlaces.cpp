#include "package/PackagePlaces.h"

namespace quillon::package {

PackagePlaces placesOf(PackageWindow window) {
    switch (window) {
    case PackageWindow::GrossAnnual:
        return {750, 1560, 1200, 5520, 6060, 6465, 7000};
    case PackageWindow::GrossMonthly:
        return {960, 1395, 1335, 5520, 6060, 6465, 7000};
    case PackageWindow::NetAnnual:
        return {960, 1680, 1440, 5760, 6060, 6780, 7035};
    case PackageWindow::NetMonthly:
        return {1080, 1440, 1320, 5760, 6060, 6780, 7035};
    }
    return {};
}

} // namespace quillon::package
