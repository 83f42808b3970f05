#include "business/LoanCompGrid.h"

#include "controls/TableCopy.h"

#include <QAbstractTableModel>
#include <QHeaderView>

namespace quillon::business {

namespace {

constexpr int kColumns = 4;
constexpr int kCellPadding = 16; // pixels beside a column's widest text
// The widest texts a column can hold: the longest term, and a total of the largest bond at the
// highest rate over 30 years.
const QString kWidestLabel = QStringLiteral("30 yrs.");
const QString kWidestAmount = QStringLiteral("-9 999 999 999.99");

} // namespace

// The six terms as the grid shows them, blank until the first calculation.
class LoanCompModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setResults(const ComparisonResults &results) {
        beginResetModel();
        m_texts = comparisonGrid(results);
        m_filled = true;
        endResetModel();
    }

    int rowCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(kComparisonTerms.size());
    }
    int columnCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : kColumns;
    }
    QVariant data(const QModelIndex &index, int role) const override {
        if (!index.isValid() || !m_filled)
            return {};
        const int column = index.column();
        const QString text = m_texts[static_cast<std::size_t>(index.row())].value(column).trimmed();
        if (role == Qt::DisplayRole)
            return text;
        // The figure as shown, without group spaces, for a copy a spreadsheet reads as a number.
        if (role == Qt::EditRole)
            return column == 0 ? text : QString(text).remove(u' ');
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                                   : Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        return comparisonHeadings().value(section).trimmed();
    }

private:
    std::array<QStringList, 6> m_texts;
    bool m_filled = false;
};

LoanCompGrid::LoanCompGrid(QWidget *parent) : QTableView(parent) {
    setObjectName(QStringLiteral("grdPayments"));
    setAccessibleName(QStringLiteral("Loan comparison"));
    setAccessibleDescription(QStringLiteral("Monthly repayment, total interest and total paid "
                                            "over terms of 5 to 30 years"));
    m_model = new LoanCompModel(this);
    setModel(m_model);
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    m_copy = new TableCopy(this, QStringLiteral("Loan comparison.csv"));

    const QStringList headings = comparisonHeadings();
    const QFontMetrics cells = fontMetrics();
    const QFontMetrics header = horizontalHeader()->fontMetrics();
    int width = 0;
    for (int c = 0; c < kColumns; ++c) {
        const int widest = std::max(header.horizontalAdvance(headings.at(c).trimmed()),
                                    cells.horizontalAdvance(c == 0 ? kWidestLabel : kWidestAmount));
        setColumnWidth(c, widest + kCellPadding);
        width += columnWidth(c);
    }
    const int height = horizontalHeader()->sizeHint().height() +
                       m_model->rowCount() * verticalHeader()->defaultSectionSize();
    setFixedSize(width + 2 * frameWidth(), height + 2 * frameWidth());
}

void LoanCompGrid::setResults(const ComparisonResults &results) {
    m_model->setResults(results);
}

} // namespace quillon::business
