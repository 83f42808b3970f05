#pragma once

#include "business/LoanGrid.h"
#include "controls/OverlayPanel.h"

class QPushButton;
class QTableView;

namespace quillon {
class TableCopy;
}

namespace quillon::business {

class LoanGridModel;

// fraGrid: the amortisation schedule in a grid (grdPayments) in front of the loan window,
// closed with its own OK (cmdGridClose). A short schedule shrinks the grid to its rows; a long
// one scrolls.
class LoanGridPanel : public OverlayPanel {
    Q_OBJECT
public:
    explicit LoanGridPanel(QWidget *parent = nullptr);

    // Fills the grid and sizes it to the rows; open() then shows it.
    void setSchedule(GridTexts texts);

    const LoanGridModel &model() const { return *m_model; }
    QTableView *view() const { return m_view; }
    TableCopy *copy() const { return m_copy; }

    // The grid shows this many rows at most before it scrolls.
    static constexpr int kVisibleRows = 11;

private:
    LoanGridModel *m_model = nullptr;
    QTableView *m_view = nullptr;
    TableCopy *m_copy = nullptr;
    QPushButton *m_close = nullptr;
};

} // namespace quillon::business
