#pragma once

#include "package/PackageCalcWindow.h"

namespace quillon::package {

// "Brisvane : Monthly Calculation": the salary package window of this kind.
class frmBrisvaneMon : public PackageCalcWindow {
    Q_OBJECT
public:
    explicit frmBrisvaneMon(const AppContext &context, QWidget *parent = nullptr)
        : PackageCalcWindow(context, PackageWindow::GrossMonthly, QStringLiteral("frmBrisvaneMon"),
                            QStringLiteral("Brisvane : Monthly Calculation"), parent) {}
};

} // namespace quillon::package
