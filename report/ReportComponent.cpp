#include "report/ReportComponent.h"

#include "controls/MessageService.h"
#include "report/LayoutParser.h"
#include "report/ReportDatabase.h"
#include "report/ReportPrinter.h"
#include "report/ReportRenderer.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace quillon::report {

namespace {

const QString kMessageTitle = QStringLiteral("Print");

QString chooseWithDialog(QWidget *parent, const QString &suggested) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Export report"), suggested,
                                        QStringLiteral("PDF files (*.pdf)"));
}

bool systemHasPrinter(const QPrinter &printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return true;
    return !QPrinterInfo::defaultPrinter().isNull() || !QPrinterInfo::availablePrinters().isEmpty();
}

// The record and rows the layout reads, from the report database as the print left it.
std::optional<ReportSource> loadSource(const ReportLayout &layout, ReportDatabase &db) {
    ReportSource source;
    const bool hasDetail = layout.band(BandKind::Detail).has_value();
    if (hasDetail) {
        auto rows = db.readRows(layout.detailTable());
        if (!rows)
            return std::nullopt;
        source.rows = std::move(*rows);
    }
    if (hasDetail && layout.detailTable().compare(layout.table, Qt::CaseInsensitive) == 0) {
        // A row table's layout reads its first row outside the detail band; with no rows the
        // fields are there but blank.
        if (!source.rows.empty()) {
            source.record = source.rows.front();
        } else {
            const auto columns = db.columns(layout.table);
            if (!columns)
                return std::nullopt;
            for (const QString &c : *columns)
                source.record.push_back({c, QVariant()});
        }
        return source;
    }
    auto record = db.readFirstRecord(layout.table);
    if (!record)
        return std::nullopt;
    source.record = std::move(*record);
    return source;
}

} // namespace

ReportComponent::ReportComponent(QString programFolder, QString reportDatabasePath,
                                 MessageService &messages, QWidget *previewParent)
    : m_programFolder(std::move(programFolder)),
      m_reportDatabasePath(std::move(reportDatabasePath)), m_messages(messages),
      m_previewParent(previewParent), m_exportChooser(chooseWithDialog),
      m_printerCheck(systemHasPrinter) {}

ReportComponent::~ReportComponent() = default;

void ReportComponent::fail(QWidget *parent, const QString &why) {
    m_messages.inform(parent, why + QStringLiteral("\n\nThe report was not printed."),
                      kMessageTitle, MessageService::Icon::Critical);
}

bool ReportComponent::runCurrent(QWidget *parent) {
    if (m_reportFileName.isEmpty()) {
        fail(parent, QStringLiteral("No report layout was chosen."));
        return false;
    }
    QString error;
    const auto layout = LayoutParser::parseFile(m_reportFileName, &error);
    if (!layout) {
        fail(parent, error);
        return false;
    }
    ReportDatabase db(m_reportDatabasePath);
    auto source = loadSource(*layout, db);
    if (!source) {
        fail(parent, db.error());
        return false;
    }
    if (const QString missing = missingField(*layout, *source); !missing.isEmpty()) {
        fail(parent, QStringLiteral("The report layout %1 does not match the report database: %2")
                         .arg(m_reportFileName, missing));
        return false;
    }

    if (m_destination == Destination::Preview) {
        auto *preview = new ReportPreview(*layout, std::move(*source), m_windowTitle,
                                          suggestedPdfName(), m_exportChooser, m_messages,
                                          m_previewParent ? m_previewParent : nullptr);
        preview->show();
        m_lastPreview = preview;
        Q_EMIT previewOpened(preview);
        return true;
    }

    // Straight to the printer chosen under Printer Setup, or the default one.
    const QString noPrinter = QStringLiteral(
        "No printer is installed. Install a printer, or choose \"View/Export report\" and print "
        "or export the report from its preview window.");
    QPrinter &target = printer();
    if (target.outputFormat() == QPrinter::NativeFormat && target.printerName().isEmpty()) {
        const QPrinterInfo fallback = QPrinterInfo::defaultPrinter();
        if (!fallback.isNull())
            target.setPrinterName(fallback.printerName());
    }
    if (m_printerCheck && !m_printerCheck(target)) {
        fail(parent, noPrinter);
        return false;
    }
    // A destination that prints to a file asks for the file each time (the save dialog asks
    // before overwriting), so no print lands silently in a file of its own choosing.
    if (target.outputFormat() == QPrinter::PdfFormat) {
        // With no printer at all Qt falls back to a PDF printer without a file.
        if (target.outputFileName().isEmpty()) {
            fail(parent, noPrinter);
            return false;
        }
        const QString file = m_exportChooser(parent, suggestedPdfName());
        if (file.isEmpty())
            return false;
        target.setOutputFileName(file);
    }
    if (!m_windowTitle.isEmpty())
        target.setDocName(m_windowTitle.section(QStringLiteral(" - "), 0, 0));
    preparePrinter(*layout, target);
    if (!renderReport(*layout, *source, target, &error)) {
        fail(parent, noPrinter);
        return false;
    }
    return true;
}

bool ReportComponent::write(const std::vector<ReportData> &tables, QWidget *parent) {
    ReportDatabase db(m_reportDatabasePath);
    for (const ReportData &table : tables) {
        if (!db.write(table)) {
            fail(parent, db.error());
            return false;
        }
    }
    return true;
}

bool ReportComponent::run(const QString &layoutName, const QString &previewTitle,
                          Destination destination, QWidget *parent) {
    m_reportFileName = layoutPath(m_programFolder, layoutName);
    if (!previewTitle.isEmpty())
        m_windowTitle = previewTitle;
    m_destination = destination;
    return runCurrent(parent);
}

bool ReportComponent::print(const PrintJob &job, QWidget *parent) {
    return write(job.tables, parent) &&
           run(job.layoutName, job.previewTitle, job.destination, parent);
}

QString ReportComponent::suggestedPdfName() const {
    // A desktop without a documents folder: the export starts at home, never in the program's.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(QFileInfo(m_reportFileName).completeBaseName() +
                                 QStringLiteral(".pdf"));
}

QPrinter &ReportComponent::printer() {
    // Made at the first direct print or Printer Setup: asking the print system for its
    // printers is a noticeable part of start-up.
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

} // namespace quillon::report
