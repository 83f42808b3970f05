#pragma once

#include "forms/CalculatorWindow.h"

namespace quillon::business {

// A business calculator window: it fills its fields and calculates again each time it becomes
// the active window (activated()).
class BusinessWindow : public CalculatorWindow {
    Q_OBJECT
public:
    using CalculatorWindow::CalculatorWindow;

protected:
    // Works the figures out again from the remembered inputs and shows them.
    virtual void recalculate() = 0;
    // The remembered inputs shown again and the figures worked out again.
    void activated() override;
    // The button row these windows share: "&Calculate", "&Print" writing first (WriteThenPanel)
    // with its panel fraPrint, and "&OK" named `okName` (cmdOk or cmdOK, as each window spells it).
    void addCalculatePrintOk(const QString &okName);
    // The window's own message for a figure past the field's limits: the field is held to the
    // limit and gets the focus back.
    void refuseOutOfRange(const QString &fieldName, const QString &text, const QString &title);
    // The focus to the close button, as after a spinner step or a refused print.
    void focusClose();
};

} // namespace quillon::business
