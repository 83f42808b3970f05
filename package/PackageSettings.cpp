#include "package/PackageSettings.h"

#include <QString>

#include <cmath>

namespace quillon::package {

bool applyFundCeiling(tax::SetupRecord &setup) {
    if (setup.PensionCont + setup.EmployerPenCont > 27.5) {
        setup.PensionCont = 0;
        setup.EmployerPenCont = 0;
        return true;
    }
    return false;
}

double committedPercentage(QStringView text) {
    bool ok = false;
    const double value = text.trimmed().toString().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value == 0)
        return 0;
    return value;
}

} // namespace quillon::package
