#include "paye/WeekWindow.h"

#include "controls/DescribedRows.h"
#include "paye/PayFields.h"
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
    return describedRows(weeklyDescription(m_inputs.period), m_inputs, m_results);
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
