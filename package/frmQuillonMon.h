#pragma once

#include "package/PackageCalcWindow.h"

namespace quillon::package {

// "Quillon : Monthly Calculation": the salary package window of this kind.
class frmQuillonMon : public PackageCalcWindow {
    Q_OBJECT
public:
    explicit frmQuillonMon(const AppContext &context, QWidget *parent = nullptr)
        : PackageCalcWindow(context, PackageWindow::NetMonthly, QStringLiteral("frmQuillonMon"),
                            QStringLiteral("Quillon : Monthly Calculation"), parent) {}
};

} // namespace quillon::package
