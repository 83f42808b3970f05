#include "business/LoanGridPanel.h"

#include "business/LoanGridModel.h"
#include "controls/TableCopy.h"

#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace quillon::business {

LoanGridPanel::LoanGridPanel(QWidget *parent) : OverlayPanel({}, parent) {
    setObjectName(QStringLiteral("fraGrid"));
    m_model = new LoanGridModel(this);
    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("grdPayments"));
    m_view->setAccessibleName(QStringLiteral("Amortisation schedule"));
    m_view->setModel(m_model);
    m_view->verticalHeader()->hide();
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 6);
    m_copy = new TableCopy(m_view, {});
    m_close = new QPushButton(QStringLiteral("&OK"), this);
    m_close->setObjectName(QStringLiteral("cmdGridClose"));
    m_close->setAutoDefault(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(m_view);
    layout->addWidget(m_close, 0, Qt::AlignRight);
    connect(m_close, &QPushButton::clicked, this, &OverlayPanel::dismiss);
    setDefaultButton(m_close);
    setCancelButton(m_close);
    setFocusTarget(m_close);
}

void LoanGridPanel::setSchedule(GridTexts texts) {
    const bool scrolls = texts.verticalScrollBar;
    const int rows = static_cast<int>(texts.rows.size());
    m_copy->setFileName(texts.headings.value(0).trimmed() == QLatin1String("Year")
                            ? QStringLiteral("Loan annual schedule.csv")
                            : QStringLiteral("Loan monthly schedule.csv"));
    m_model->setSchedule(std::move(texts));
    m_view->resizeColumnsToContents();
    m_view->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    // Fewer rows than the grid holds: it shrinks to them.
    const int shown = std::clamp(rows, 1, kVisibleRows);
    const int rowHeight = m_view->verticalHeader()->defaultSectionSize();
    const int frame = 2 * m_view->frameWidth();
    m_view->setFixedHeight(m_view->horizontalHeader()->sizeHint().height() + shown * rowHeight +
                           frame);
    int width = frame + m_view->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < m_model->columnCount(); ++c)
        width += m_view->columnWidth(c);
    m_view->setFixedWidth(width);
    // Each schedule opens at its first row, wherever the other one was left.
    m_view->scrollToTop();
    adjustSize();
}

} // namespace quillon::business
