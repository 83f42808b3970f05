#include "report/ReportPreview.h"

#include "controls/ScreenFit.h"

#include "controls/MessageService.h"
#include "report/PdfExport.h"
#include "report/ReportPrinter.h"
#include "report/SuitcaseIcon.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>

namespace quillon::report {

namespace {

// The preview paints on a printer of its own, so Printer Setup and later runs leave it alone.
QPrinter *previewPrinter(const ReportLayout &layout) {
    auto *printer = new QPrinter(QPrinter::HighResolution);
    preparePrinter(layout, *printer);
    return printer;
}

QString plainText(QString text) {
    return text.remove(u'&');
}

} // namespace

ReportPreview::ReportPreview(ReportLayout layout, ReportSource source, const QString &title,
                             const QString &suggestedPdfPath, ExportFileChooser chooser,
                             MessageService &messages, QWidget *parent)
    : QPrintPreviewDialog(previewPrinter(layout), parent), m_layout(std::move(layout)),
      m_source(std::move(source)), m_suggestedPath(suggestedPdfPath), m_chooser(std::move(chooser)),
      m_messages(messages) {
    QPrinter *own = printer();
    // Deleted once the dialog and its preview widget are gone.
    connect(this, &QObject::destroyed, [own] { delete own; });
    setObjectName(QStringLiteral("reportPreview"));
    setWindowTitle(title);
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    placeOnScreen(this, QSize(900, 1000), parent);

    m_export = new QAction(suitcaseIcon(), tr("Export to PDF"), this);
    m_export->setObjectName(QStringLiteral("actionExportPdf"));
    connect(m_export, &QAction::triggered, this, &ReportPreview::exportChosen);
    // Qt's own print button offers no PDF on Linux; the export sits just before it, because
    // actions added at the end of the toolbar vanish into its overflow menu.
    m_export->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    if (auto *toolBar = findChild<QToolBar *>()) {
        for (QAction *a : toolBar->actions())
            if (plainText(a->text()).compare(QLatin1String("Print"), Qt::CaseInsensitive) == 0)
                m_print = a;
        if (m_print) {
            toolBar->insertAction(m_print, m_export);
            m_print->setShortcut(QKeySequence::Print);
        } else {
            toolBar->addAction(m_export);
        }
        // Tab reaches the two commands a keyboard user most wants.
        for (QAction *a : {m_export, m_print})
            if (QWidget *button = a ? toolBar->widgetForAction(a) : nullptr)
                button->setFocusPolicy(Qt::TabFocus);
    } else {
        addAction(m_export);
    }
    m_export->setToolTip(tr("Export the report to a PDF file (%1)")
                             .arg(m_export->shortcut().toString(QKeySequence::NativeText)));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("exportStatus"));
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_status->setContentsMargins(6, 2, 6, 2);
    if (QLayout *rows = QDialog::layout())
        rows->addWidget(m_status);
    connect(this, &QPrintPreviewDialog::paintRequested, this, &ReportPreview::paint);
    if (auto *toolBar = findChild<QToolBar *>()) {
        // The layout is drawn for one orientation; the other would cut the page.
        for (QAction *a : toolBar->actions()) {
            const QString name = plainText(a->text());
            if (name.compare(QLatin1String("Portrait"), Qt::CaseInsensitive) == 0 ||
                name.compare(QLatin1String("Landscape"), Qt::CaseInsensitive) == 0)
                a->setVisible(false);
        }
    }
    // The whole page in view, however small the screen.
    if (auto *view = findChild<QPrintPreviewWidget *>())
        view->fitInView();
}

void ReportPreview::paint(QPrinter *target) {
    QString error;
    if (!renderReport(m_layout, m_source, *target, &error))
        m_messages.inform(this, QStringLiteral("The report could not be drawn: %1").arg(error),
                          QStringLiteral("Print"), MessageService::Icon::Critical);
}

void ReportPreview::exportChosen() {
    if (!m_chooser)
        return;
    QString path = m_chooser(this, m_suggestedPath);
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    exportTo(path);
}

bool ReportPreview::exportTo(const QString &path) {
    QString error;
    // The document is titled by the report's name, not by the preview's instructions.
    const QString reportName = windowTitle().section(QStringLiteral(" - "), 0, 0);
    if (writePdf(m_layout, m_source, path, reportName, &error)) {
        m_status->setText(tr("Exported to %1").arg(QDir::toNativeSeparators(path)));
        return true;
    }
    m_messages.inform(this, QStringLiteral("The report was not exported. %1").arg(error),
                      QStringLiteral("Export"), MessageService::Icon::Critical);
    return false;
}

} // namespace quillon::report
