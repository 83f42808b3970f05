#pragma once

#include "business/LoanMemory.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

class QChart;
class QChartView;
class QPainter;

namespace quillon {
class OutputDialogs;
}

namespace quillon::business {

// The annual graph of a loan: per year the capital and interest paid (stacked bars, the year's
// repayments) and the balance outstanding at the year end (a line on its own axis). Each bar
// and point tells its figure on hover; the graph saves as a picture (PNG or PDF) and prints.
class LoanGraph : public QWidget {
    Q_OBJECT
public:
    explicit LoanGraph(QWidget *parent = nullptr);

    // Takes the annual schedule: the years with a part year, the whole years, the schedule kind
    // (1: whole years only, 2: a final part year) and the columns indexed by year from 1.
    void LoanAmortGraph(std::int16_t yearsWithPart, std::int16_t wholeYears, std::int16_t kind,
                        const ScheduleColumn &balance, const ScheduleColumn &interest,
                        const ScheduleColumn &capital);

    // The plotted figures, year 1 first.
    struct Series {
        std::vector<double> balance;
        std::vector<double> interest;
        std::vector<double> capital;
    };
    const Series &series() const { return m_series; }
    QChart *chart() const;
    QChartView *view() const { return m_view; }

    // "Save picture…": a PNG, or a PDF page when the chosen name ends in .pdf.
    void savePicture();
    // "Print…": the graph on one landscape page of the printer the user chooses.
    void print();
    // Writes the picture; false when the file could not be written.
    bool writePicture(const QString &path);
    void setDialogs(OutputDialogs &dialogs) { m_dialogs = &dialogs; }

private:
    void rebuild();
    // Draws the graph into `target`, keeping its proportions.
    void paint(QPainter &painter, const QRect &target);

    QChartView *m_view = nullptr;
    Series m_series;
    bool m_partYear = false;
    OutputDialogs *m_dialogs;
};

// The annual schedule as frmLoans hands it to the graph module (see LoanAmortGraph).
struct LoanGraphFigures {
    std::int16_t yearsWithPart = 0;
    std::int16_t wholeYears = 0;
    std::int16_t kind = 0;
    const ScheduleColumn *balance = nullptr;
    const ScheduleColumn *interest = nullptr;
    const ScheduleColumn *capital = nullptr;
};

// Shows the graph window of `owner` (creating it once), fed by `fill`: at the top left of the
// main window's client area when the owner is a child window there, else on its own.
LoanGraph *showLoanGraph(QWidget *owner, const std::function<void(LoanGraph &)> &fill);

} // namespace quillon::business
