#include "paye/WeekWindow.h"

#include "controls/Form.h"
#include "paye/WeeklyReport.h"

namespace quillon::paye {

namespace {

bool isWeek(WeekPeriod period) {
    return period == WeekPeriod::Week;
}

} // namespace

WeekWindow::WeekWindow(const AppContext &context, WeekPeriod period, QWidget *parent)
    : PayWindow(context,
                isWeek(period) ? QStringLiteral("frmWeekly") : QStringLiteral("frmFortNight"),
                isWeek(period) ? QStringLiteral("Weekly") : QStringLiteral("Fortnightly"), parent),
      m_inputs(openingWeeklyInputs(period)) {
    buildWindow(fieldTable());
}

FieldTable WeekWindow::fieldTable() {
    PayFieldNames names;
    names.age = QStringLiteral("silgEdit14");
    names.bonus = QStringLiteral("sidbEdit4");
    names.travel = QStringLiteral("sidbEdit6");
    FieldTable table = payInputRows(m_inputs, names);
    const bool week = isWeek(m_inputs.period);
    table.push_back(
        number(QStringLiteral("silgEdit21"),
               week ? QStringLiteral("Normal work week") : QStringLiteral("Normal fortnight"),
               m_inputs.normalDays));
    table.push_back(
        number(QStringLiteral("silgEdit22"),
               week ? QStringLiteral("This work week") : QStringLiteral("This fortnight"),
               m_inputs.thisDays));
    const FieldTable results = payResultRows(m_results);
    table.insert(table.end(), results.begin(), results.end());
    return table;
}

bool WeekWindow::calculate() {
    return runCalculation(m_inputs, m_results, calculateWeekly);
}

std::optional<report::PrintJob>
WeekWindow::printJob(std::optional<report::PrintLanguage> language) {
    return recalculatedJob(
        kWeeklyTable,
        [&] {
            return weeklyReportRecord(m_inputs, m_results, printPanel()->employeeName(), *language);
        },
        weeklyLayout(m_inputs.period), weeklyPreviewTitle(m_inputs.period));
}

} // namespace quillon::paye
