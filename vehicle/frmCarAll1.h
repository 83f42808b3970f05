#pragma once

#include "forms/CalculatorWindow.h"
#include "vehicle/CarAllRules.h"
#include "vehicle/VehicleFields.h"

class QRadioButton;
class QCheckBox;
class QLabel;

namespace quillon::vehicle {

// Travel Allowance: the deduction that may be claimed against a car allowance, by the deemed
// cost of the scale or by the recorded costs. The figures and the car's description outlive the
// window; only the dates start afresh on each opening.
class frmCarAll1 : public CalculatorWindow {
    Q_OBJECT
public:
    explicit frmCarAll1(const AppContext &context, QWidget *parent = nullptr);

    // "&Calculate" (also Enter, either check box, Print, OK and closing).
    bool calculate() override;

protected:
    std::optional<report::PrintJob>
    printJob(std::optional<report::PrintLanguage> language) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // The dates are kept for the next opening with the figures they gave.
    void rememberPeriod();

private:
    FieldTable fieldTable();
    QWidget *buildChoices();
    std::function<void(double)> singlePayment(const QString &name, SinglePaymentField field);
    // Enables the fields and shows the result panel of the method chosen.
    void applyMethod();
    void showResultPanel(bool actual);
    void showRow(const QString &name, bool visible);
    QLabel *captionOf(const QWidget *field) const;

    CarAllData &m_data;
    CarAllInputs m_inputs;
    CarAllRefresh m_results; // the panels as last shown
    QRadioButton *m_no = nullptr;
    QRadioButton *m_yes = nullptr;
    QCheckBox *m_fuel = nullptr;
    QCheckBox *m_maintenance = nullptr;
    bool m_closing = false;
};

} // namespace quillon::vehicle
