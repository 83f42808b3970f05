#pragma once

#include "business/LoanComparison.h"

#include <QTableView>

namespace quillon {
class TableCopy;
}

namespace quillon::business {

class LoanCompModel;

// grdPayments of the loan comparison: the six terms under a header row, the figures right-
// aligned, with Copy and Export CSV. Its columns are sized once for the largest figures the
// fields allow, so a large total neither wraps nor widens the window.
class LoanCompGrid : public QTableView {
    Q_OBJECT
public:
    explicit LoanCompGrid(QWidget *parent = nullptr);

    void setResults(const ComparisonResults &results);
    TableCopy *copy() const { return m_copy; }

private:
    LoanCompModel *m_model;
    TableCopy *m_copy;
};

} // namespace quillon::business
