#include "controls/TableCopy.h"

#include "controls/OutputDialogs.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QSaveFile>
#include <QTableView>

#include <set>

namespace quillon {

namespace {

QString csvCell(const QString &text) {
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

TableCopy::TableCopy(QTableView *view, QString fileName)
    : QObject(view), m_view(view), m_fileName(std::move(fileName)),
      m_dialogs(&OutputDialogs::standard()) {
    setObjectName(QStringLiteral("tableCopy"));
    if (view->selectionMode() == QAbstractItemView::NoSelection)
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_copy = new QAction(QStringLiteral("&Copy"), view);
    m_copy->setShortcut(QKeySequence::Copy);
    m_copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_export = new QAction(QStringLiteral("Export CSV…"), view);
    connect(m_copy, &QAction::triggered, this, &TableCopy::copy);
    connect(m_export, &QAction::triggered, this, &TableCopy::exportCsv);
    view->addAction(m_copy);
    view->addAction(m_export);
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
}

QString TableCopy::cellText(int row, int column) const {
    const QModelIndex index = m_view->model()->index(row, column);
    QVariant value = index.data(Qt::EditRole);
    if (!value.isValid())
        value = index.data(Qt::DisplayRole);
    return value.toString().trimmed();
}

QString TableCopy::heading(int column) const {
    return m_view->model()->headerData(column, Qt::Horizontal).toString().trimmed();
}

QString TableCopy::copiedText() const {
    const QAbstractItemModel *model = m_view->model();
    const QModelIndexList selected =
        m_view->selectionModel() ? m_view->selectionModel()->selectedIndexes() : QModelIndexList();
    std::set<int> rows;
    std::set<int> columns;
    for (const QModelIndex &i : selected) {
        rows.insert(i.row());
        columns.insert(i.column());
    }
    if (selected.isEmpty()) {
        for (int r = 0; r < model->rowCount(); ++r)
            rows.insert(r);
        for (int c = 0; c < model->columnCount(); ++c)
            columns.insert(c);
    }
    QStringList lines;
    QStringList cells;
    for (int c : columns)
        cells << heading(c);
    lines << cells.join(u'\t');
    for (int r : rows) {
        cells.clear();
        // Cells left out of a ragged selection stay empty, so the columns keep their headings.
        for (int c : columns)
            cells << (selected.isEmpty() || selected.contains(model->index(r, c)) ? cellText(r, c)
                                                                                  : QString());
        lines << cells.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}

QString TableCopy::csvText() const {
    const QAbstractItemModel *model = m_view->model();
    QString text;
    for (int r = -1; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c)
            cells << csvCell(r < 0 ? heading(c) : cellText(r, c));
        text += cells.join(u',') + u'\n';
    }
    return text;
}

void TableCopy::copy() {
    QGuiApplication::clipboard()->setText(copiedText());
}

void TableCopy::exportCsv() {
    const QString path =
        m_dialogs->saveFile(m_view, QStringLiteral("Export CSV"), documentsPath(m_fileName),
                            QStringLiteral("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    const QByteArray bytes = csvText().toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        m_dialogs->failed(m_view, QStringLiteral("The table could not be written to %1: %2")
                                      .arg(path, file.errorString()));
}

} // namespace quillon
