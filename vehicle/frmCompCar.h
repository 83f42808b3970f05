#pragma once

#include "forms/CalculatorWindow.h"
#include "vehicle/CompCarListOps.h"
#include "vehicle/VehicleFields.h"

#include <QHash>

class QCheckBox;

namespace quillon {
class DateRange;
}

namespace quillon::vehicle {

// Full use of Company Car: the company-car list edited one vehicle at a time, with the results
// of the vehicle on screen and the totals of the list. The list outlives the window.
class frmCompCar : public CalculatorWindow {
    Q_OBJECT
public:
    explicit frmCompCar(const AppContext &context, QWidget *parent = nullptr);

    // "&Calculate" (also Print and closing).
    bool calculate() override;

protected:
    std::optional<report::PrintJob>
    printJob(std::optional<report::PrintLanguage> language) override;
    void closeEvent(QCloseEvent *event) override;

private:
    FieldTable fieldTable();
    FieldBinding onCurrentVehicle(const tax::SlotOf<CompCarRecord> &place);
    QWidget *buildChecks();
    QCheckBox *addCheck(QWidget *parent, const QString &caption, const QString &name,
                        const QString &help);
    // The vehicle on screen into the fields, the caption and the automatic split box.
    void showVehicle();
    void showScreen(const CompCarScreen &screen);
    void applyGate(const CompCarGate &gate);
    void applyRegistrationGate();
    void add();
    void remove();
    void move(int step);

    CompCarList &m_list;
    CompCarScreen m_screen; // the figures on screen
    QHash<QString, QCheckBox *> m_checks;
    DateRange *m_dates = nullptr;
    bool m_closing = false;
};

} // namespace quillon::vehicle
