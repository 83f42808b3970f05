#pragma once

#include <QObject>
#include <QString>

class QAction;
class QTableView;

namespace quillon {

class OutputDialogs;

// Gives a table view "Copy" and "Export CSV…". Copy (Ctrl+C, or the context menu) puts the
// selection, or the whole table when nothing is selected, on the clipboard with its column
// headings as tab-separated text, which a spreadsheet pastes into cells; the export writes the
// whole table as CSV to a file chosen in the documents folder. A cell goes out as the model's
// edit value when it has one (the plain figure, without group spaces), else as its text.
class TableCopy : public QObject {
    Q_OBJECT
public:
    // Installs itself on `view`, whose child it becomes; `fileName` is the file the export
    // offers. A view that could not select gets an extended selection.
    TableCopy(QTableView *view, QString fileName);

    QString copiedText() const;
    QString csvText() const;
    void copy();
    void exportCsv();

    QAction *copyAction() const { return m_copy; }
    QAction *exportAction() const { return m_export; }
    void setDialogs(OutputDialogs &dialogs) { m_dialogs = &dialogs; }
    void setFileName(QString fileName) { m_fileName = std::move(fileName); }

private:
    QString cellText(int row, int column) const;
    QString heading(int column) const;

    QTableView *m_view;
    QString m_fileName;
    QAction *m_copy = nullptr;
    QAction *m_export = nullptr;
    OutputDialogs *m_dialogs;
};

} // namespace quillon
