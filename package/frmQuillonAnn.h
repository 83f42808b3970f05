#pragma once

#include "package/PackageCalcWindow.h"

namespace quillon::package {

// "Quillon : Annual Calculation": the salary package window of this kind.
class frmQuillonAnn : public PackageCalcWindow {
    Q_OBJECT
public:
    explicit frmQuillonAnn(const AppContext &context, QWidget *parent = nullptr)
        : PackageCalcWindow(context, PackageWindow::NetAnnual, QStringLiteral("frmQuillonAnn"),
                            QStringLiteral("Quillon : Annual Calculation"), parent) {}
};

} // namespace quillon::package
