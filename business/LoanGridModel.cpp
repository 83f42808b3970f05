#include "business/LoanGridModel.h"

namespace quillon::business {

void LoanGridModel::setSchedule(GridTexts texts) {
    beginResetModel();
    m_texts = std::move(texts);
    endResetModel();
}

int LoanGridModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_texts.rows.size());
}

int LoanGridModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_texts.headings.size());
}

QVariant LoanGridModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid())
        return {};
    const QString &text =
        m_texts.rows.at(static_cast<std::size_t>(index.row())).value(index.column());
    if (role == Qt::DisplayRole)
        return text;
    // The plain figure, for a copy that a spreadsheet reads as a number.
    if (role == Qt::EditRole)
        return QString(text).remove(u' ');
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant LoanGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return m_texts.headings.value(section);
}

} // namespace quillon::business
