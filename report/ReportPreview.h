#pragma once

#include "report/ReportLayout.h"
#include "report/ReportRenderer.h"

#include <QPrintPreviewDialog>

#include <functional>

class QAction;
class QLabel;

namespace quillon {
class MessageService;
}

namespace quillon::report {

// Asks where an exported PDF goes; an empty answer cancels. The program asks with a save-file
// dialog, tests answer with a path.
using ExportFileChooser = std::function<QString(QWidget *parent, const QString &suggestedPath)>;

// The preview window of one run: a non-modal window that keeps its own copy of the layout and
// the figures, so later prints never change it. Paging, zoom and print come from Qt's preview;
// the suitcase button exports the report to PDF.
class ReportPreview : public QPrintPreviewDialog {
    Q_OBJECT
public:
    ReportPreview(ReportLayout layout, ReportSource source, const QString &title,
                  const QString &suggestedPdfPath, ExportFileChooser chooser,
                  MessageService &messages, QWidget *parent = nullptr);

    QAction *exportAction() const { return m_export; }
    // Qt's own print action of the toolbar.
    QAction *printAction() const { return m_print; }
    // Writes the report to `path` as PDF; false (the user told) when it could not be written.
    bool exportTo(const QString &path);

private:
    void paint(QPrinter *printer);
    void exportChosen();

    ReportLayout m_layout;
    ReportSource m_source;
    QString m_suggestedPath;
    ExportFileChooser m_chooser;
    MessageService &m_messages;
    QAction *m_export = nullptr;
    QAction *m_print = nullptr;
    QLabel *m_status = nullptr; // where the last export went
};

} // namespace quillon::report
