#pragma once

#include <QSize>

#include "business/LoanCalc.h"
#include "business/LoanGrid.h"
#include "business/LoanReport.h"
#include "forms/CalculatorWindow.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace quillon::business {

class LoanGridPanel;

// Loans: an annuity loan repaid monthly. Of the principal, the period, the rate and the monthly
// repayment the user types three and the window solves the fourth. The figures, the mode and
// whether the finance charges show outlive the window; it recalculates each time it becomes the
// active window.
class frmLoans : public CalculatorWindow {
    Q_OBJECT
public:
    explicit frmLoans(const AppContext &context, QWidget *parent = nullptr);

    // "&Calculate"; also on activation and before every print.
    bool calculate() override;
    // Chooses a mode as its option button does: marks the result field, moves the focus.
    void chooseMode(LoanMode mode);

    const LoanGridPanel *gridPanel() const { return m_grid; }

protected:
    std::optional<report::PrintJob>
    printJob(std::optional<report::PrintLanguage> language) override;
    // Each activation fills the fields from the remembered loan and calculates.
    void activated() override;

private:
    FieldTable fieldTable();
    QWidget *buildModeChoice();
    void buildPrintChoice();
    void addRangeMessage(const QString &name, const QString &text, const QString &title);
    // Yellow, read-only and out of the Tab order for the mode's result; the others editable.
    void markMode(LoanMode mode);
    void showFinanceCharges();
    void toggleFinanceCharges();
    void openGrid(GridTexts texts);
    void giveBackGridRoom();
    void showMonthlyGrid();
    void showAnnualGrid();
    void showGraph();
    void tellAnnualNeedsAYear();

    LoanMemory &m_loan;
    LoanResults m_results;
    std::array<QRadioButton *, 4> m_modes{};
    QLabel *m_modeText = nullptr;
    QLabel *m_errorMarker = nullptr;
    LoanGridPanel *m_grid = nullptr;
    QSize m_sizeBeforeGrid; // the window's size before the grid made it grow
    QSize m_sizeWithGrid;   // and with the grid; invalid when it did not grow
    QCheckBox *m_includeAmort = nullptr;
    QGroupBox *m_amortKinds = nullptr;
    QRadioButton *m_annual = nullptr;
    QRadioButton *m_monthly = nullptr;
    Amortisation m_amortisation = Amortisation::None;
};

} // namespace quillon::business
