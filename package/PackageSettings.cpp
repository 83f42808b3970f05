#include "package/PackageSettings.h"

namespace quillon::package {

bool applyFundCeiling(tax::SetupRecord &setup) {
    if (setup.PensionCont + setup.EmployerPenCont > 27.5) {
        setup.PensionCont = 0;
        setup.EmployerPenCont = 0;
        return true;
    }
    return false;
}

} // namespace quillon::package
