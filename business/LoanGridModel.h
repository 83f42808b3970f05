#pragma once

#include "business/LoanGrid.h"

#include <QAbstractTableModel>

namespace quillon::business {

// The amortisation schedule as the grid shows it: four columns of formatted texts under the
// schedule's headings, the figures right-aligned.
class LoanGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit LoanGridModel(QObject *parent = nullptr) : QAbstractTableModel(parent) {}

    void setSchedule(GridTexts texts);
    const GridTexts &schedule() const { return m_texts; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    GridTexts m_texts;
};

} // namespace quillon::business
