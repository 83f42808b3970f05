#pragma once

#include "package/PackageCalcWindow.h"

namespace quillon::package {

// "Brisvane : Annual Calculation": the salary package window of this kind.
class frmBrisvaneAnn : public PackageCalcWindow {
    Q_OBJECT
public:
    explicit frmBrisvaneAnn(const AppContext &context, QWidget *parent = nullptr)
        : PackageCalcWindow(context, PackageWindow::GrossAnnual, QStringLiteral("frmBrisvaneAnn"),
                            QStringLiteral("Brisvane : Annual Calculation"), parent) {}
};

} // namespace quillon::package
