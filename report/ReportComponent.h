#pragma once

#include "report/PrintJob.h"
#include "report/ReportPreview.h"
#include "report/ReportRecord.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QPrinter;
class QWidget;

namespace quillon {
class MessageService;
}

namespace quillon::report {

// rptMainPrint: the one report engine instance of the main window. A print writes the
// calculator's figures into the report database, then renders the layout that reads them to a
// non-modal preview window (paging, zoom, print, export to PDF) or to the printer chosen under
// Printer Setup. Writing and running are two steps because some calculators write their tables
// when "&Print" is pressed and run the report later, on view or printer. Any failure (no report
// database, table, record or layout; no printer) is told to the user through the message
// service and the print is abandoned.
class ReportComponent : public QObject {
    Q_OBJECT
public:
    ReportComponent(QString programFolder, QString reportDatabasePath, MessageService &messages,
                    QWidget *previewParent = nullptr);
    ~ReportComponent() override;

    // Writes each table into the report database, in order; stops at the first failure.
    bool write(const std::vector<ReportData> &tables, QWidget *parent);
    // Sets the report file name to the layout in the program folder, the window title (an
    // empty title keeps the previous one) and the destination, then runs the layout over what
    // the report database now holds.
    bool run(const QString &layoutName, const QString &previewTitle, Destination destination,
             QWidget *parent);
    // Both steps, as most print routines do. False when anything failed (the user has been
    // told).
    bool print(const PrintJob &job, QWidget *parent);

    // The settings the last run left.
    QString reportFileName() const { return m_reportFileName; }
    QString windowTitle() const { return m_windowTitle; }
    Destination destination() const { return m_destination; }

    // The printer direct prints go to; Printer Setup edits it. Made at its first use.
    QPrinter &printer();

    // The preview window the last run opened (null when none is open); previews stay open
    // and independent of later prints.
    QWidget *lastPreview() const { return m_lastPreview; }

    // Where the preview's suitcase button saves the PDF, and where a direct print to a
    // file-printing destination goes (a save-file dialog unless replaced).
    void setExportFileChooser(ExportFileChooser chooser) { m_exportChooser = std::move(chooser); }
    // Whether a printer can be printed on; replaced by tests. By default a printer is there when
    // the system lists one or the printer writes to a file.
    using PrinterCheck = std::function<bool(const QPrinter &)>;
    void setPrinterCheck(PrinterCheck check) { m_printerCheck = std::move(check); }

    const QString &programFolder() const { return m_programFolder; }
    const QString &reportDatabasePath() const { return m_reportDatabasePath; }

Q_SIGNALS:
    // A preview window opened (tests and the shell look at it).
    void previewOpened(QWidget *preview);

private:
    QString m_programFolder;
    QString m_reportDatabasePath;
    MessageService &m_messages;
    QWidget *m_previewParent;
    QString m_reportFileName;
    QString m_windowTitle;
    Destination m_destination = Destination::Preview;
    std::unique_ptr<QPrinter> m_printer;
    QPointer<QWidget> m_lastPreview;
    ExportFileChooser m_exportChooser;
    PrinterCheck m_printerCheck;

    void fail(QWidget *parent, const QString &why);
    bool runCurrent(QWidget *parent);
    // Documents folder, layout name, ".pdf".
    QString suggestedPdfName() const;
};

} // namespace quillon::report
