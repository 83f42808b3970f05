#include "business/frmLoanComp.h"

#include "business/BusinessFields.h"
#include "business/LoanCalc.h"
#include "controls/BusyCursor.h"
#include "controls/DescribedRows.h"
#include "controls/Form.h"
#include "controls/NumericEdit.h"

#include <QHeaderView>
#include <QTableWidget>

namespace quillon::business {

namespace {

const QString kRate = QStringLiteral("numIntRate");
constexpr int kGridRows = 7;
constexpr int kGridColumns = 4;
constexpr int kCellPadding = 12; // pixels beside a heading's text

} // namespace

frmLoanComp::frmLoanComp(const AppContext &context, QWidget *parent)
    : BusinessWindow(context, QStringLiteral("frmLoanComp"), QStringLiteral("Loan Comparison"),
                     parent),
      m_memory(context.state.loanComparison) {
    setFields(fieldTable());
    m_grid = buildGrid();
    addBelowColumns(m_grid);
    addCalculatePrintOk(QStringLiteral("cmdOK"));
    finishLayout();

    refuseOutOfRange(kRate, kLoanRateMessage, kLoanRateTitle);
    activated();
}

FieldTable frmLoanComp::fieldTable() {
    FieldTable table = describedRows(comparisonDescription(),
                                     static_cast<ComparisonInputs &>(m_memory), m_results);
    rowNamed(table, kRate).suffix = QStringLiteral("%p.a.");
    return table;
}

// A read-only grid whose first row holds the headings; the columns are as wide as those.
QTableWidget *frmLoanComp::buildGrid() {
    auto *grid = new QTableWidget(kGridRows, kGridColumns, this);
    grid->setObjectName(QStringLiteral("grdPayments"));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QStringList headings = comparisonHeadings();
    int width = 0;
    for (int c = 0; c < kGridColumns; ++c) {
        auto *item = new QTableWidgetItem(headings.at(c));
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
        item->setBackground(palette().button());
        grid->setItem(0, c, item);
        const int columnWidth = QFontMetrics(bold).horizontalAdvance(headings.at(c)) + kCellPadding;
        grid->setColumnWidth(c, columnWidth);
        width += columnWidth;
    }
    int height = 0;
    for (int r = 0; r < kGridRows; ++r)
        height += grid->rowHeight(r);
    grid->setFixedSize(width + 2 * grid->frameWidth(), height + 2 * grid->frameWidth());
    return grid;
}

ComparisonInputs frmLoanComp::inputs() const {
    return {m_memory.bondAmount, m_memory.rate};
}

void frmLoanComp::recalculate() {
    m_results = calculateComparison(inputs());
    BusyCursor busy;
    const std::array<QStringList, 6> rows = comparisonGrid(m_results);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < kGridColumns; ++c) {
            auto *item = new QTableWidgetItem(rows[static_cast<std::size_t>(r)].at(c));
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                          : Qt::AlignRight | Qt::AlignVCenter);
            m_grid->setItem(r + 1, c, item);
        }
}

bool frmLoanComp::calculate() {
    commitFocusedField();
    recalculate();
    return true;
}

std::optional<report::PrintJob> frmLoanComp::printJob(std::optional<report::PrintLanguage>) {
    if (!comparisonPrintable(inputs()))
        return std::nullopt;
    return report::singleRecordJob(kComparisonTable, comparisonRecord(inputs(), m_results),
                                   kComparisonLayout, kComparisonPreviewTitle);
}

} // namespace quillon::business
