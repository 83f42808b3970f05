#pragma once

#include "report/ReportPreview.h"
#include "report/ReportRecord.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace quillon {
class MessageService;
}

namespace quillon::report {

enum class Destination { Preview = 0, Printer = 1 };

// One print as a calculator hands it over: the figures for its report table, the layout file
// (a name such as "Annual.rpt", found in the program folder) and the preview title. An empty
// title leaves the previous title in place, as direct printing does.
struct PrintJob {
    ReportData data;
    QString layoutName;
    QString previewTitle;
    Destination destination = Destination::Preview;
};

// rptMainPrint: the one report engine instance of the main window. A print writes the
// calculator's figures into the report database, then renders the layout that reads them to a
// non-modal preview window (paging, zoom, print, export to PDF) or to the printer chosen under
// Printer Setup. Any failure (no report database, table, record or layout; no printer) is told
// to the user through the message service and the print is abandoned.
class ReportComponent : public QObject {
    Q_OBJECT
public:
    ReportComponent(QString programFolder, QString reportDatabasePath, MessageService &messages,
                    QWidget *previewParent = nullptr);
    ~ReportComponent() override;

    // The four settings the program uses.
    void setReportFileName(const QString &fullPath);
    void setWindowTitle(const QString &title);
    void setDestination(Destination destination);
    // "Action = 1": runs the current layout over what the report database now holds.
    bool run(QWidget *parent);

    QString reportFileName() const { return m_reportFileName; }
    QString windowTitle() const { return m_windowTitle; }
    Destination destination() const { return m_destination; }

    // Writes the job's figures, then sets the settings and runs, as every print routine does.
    // False when anything failed (the user has been told).
    bool print(const PrintJob &job, QWidget *parent);

    // The printer direct prints go to; Printer Setup edits it.
    QPrinter &printer();

    // The preview window the last run opened (null when none is open); previews stay open
    // and independent of later prints.
    QWidget *lastPreview() const { return m_lastPreview; }

    // Where the preview's suitcase button saves the PDF (a save-file dialog unless replaced).
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
};

} // namespace quillon::report
