#pragma once

#include "paye/AnnualCalc.h"
#include "report/ReportComponent.h"
#include "shell/AppContext.h"

#include <QWidget>

#include <array>

class QPushButton;
class QToolButton;

namespace quillon {
class DateEdit;
class NumericEdit;
class ResultField;
class WholeNumberEdit;
namespace report {
class PrintPanel;
}
} // namespace quillon

namespace quillon::paye {

class InfoPanel;
class PeriodSettingsPanel;

// The annual calculator "Annual": an employee's income tax for the 2017 tax year or part of it,
// from annual amounts and the medical aid beneficiaries of each month. The window binds its
// fields to AnnualInputs, runs calculateAnnual and shows the results; it prints through the
// report component in English or Afrikaans.
class frmAnnual : public QWidget {
    Q_OBJECT
public:
    explicit frmAnnual(const AppContext &context, QWidget *parent = nullptr);
    ~frmAnnual() override;

    const AnnualInputs &inputs() const { return m_inputs; }
    const AnnualResults &results() const { return m_results; }
    const PeriodSettingsPanel *settingsPanel() const { return m_settings; }

    // "&Calculate"; false when the inputs were refused (the user has been told).
    bool calculate();
    // "Duplicate March to all 12 months ".
    void duplicateMarch();
    // The view and printer buttons of the print panel.
    void print(report::Destination destination);

    static QString beneficiaryMessage();

private:
    void buildForm();
    void bindFields();
    void loadSettings();
    void connectDates();
    void showResults();
    void commitFocusedField();
    void closeWindow();

    AppContext m_context;
    AnnualInputs m_inputs;
    AnnualResults m_results;

    DateEdit *m_startDate = nullptr;
    DateEdit *m_endDate = nullptr;
    std::array<WholeNumberEdit *, 13> m_months{}; // calendar month index, 0 unused
    ResultField *m_allowableDeduction = nullptr;
    ResultField *m_periodTax = nullptr;
    ResultField *m_medicalCredit = nullptr;
    ResultField *m_additionalCredit = nullptr;
    ResultField *m_taxLiability = nullptr;
    ResultField *m_paye = nullptr;
    QPushButton *m_calculate = nullptr;
    QPushButton *m_settingsButton = nullptr;
    QPushButton *m_printButton = nullptr;
    QToolButton *m_infoButton = nullptr;
    QPushButton *m_duplicate = nullptr;
    QPushButton *m_ok = nullptr;
    PeriodSettingsPanel *m_settings = nullptr;
    report::PrintPanel *m_printPanel = nullptr;
    InfoPanel *m_info = nullptr;
};

} // namespace quillon::paye
