#include "report/PdfExport.h"

#include "report/LayoutParser.h"

#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>

namespace quillon::report {

ReportSource sourceFrom(const ReportData &data) {
    ReportSource source;
    if (data.isRowTable) {
        source.rows = data.rows;
        if (!data.rows.empty())
            source.record = data.rows.front();
    } else {
        source.record = data.record;
    }
    return source;
}

bool writePdf(const ReportLayout &layout, const ReportSource &source, const QString &pdfPath,
              const QString &title, QString *error) {
    // Checked first so that a bad layout leaves no empty file behind.
    if (const QString missing = missingField(layout, source); !missing.isEmpty()) {
        if (error)
            *error = missing;
        return false;
    }
    const QFileInfo target(pdfPath);
    if (pdfPath.isEmpty() || !target.absoluteDir().exists()) {
        if (error)
            *error = QStringLiteral("The PDF file %1 cannot be written: its folder does not exist.")
                         .arg(pdfPath);
        return false;
    }
    QPdfWriter writer(pdfPath);
    writer.setCreator(QStringLiteral("Quillon 2017"));
    writer.setTitle(title.isEmpty() ? layout.table : title);
    preparePdfWriter(layout, writer);
    QString why;
    if (!renderReport(layout, source, writer, &why)) {
        if (error)
            *error = QStringLiteral("The PDF file %1 could not be written.").arg(pdfPath);
        return false;
    }
    return true;
}

bool renderToPdf(const QString &layoutPath, const ReportData &data, const QString &pdfPath,
                 QString *error) {
    const auto layout = LayoutParser::parseFile(layoutPath, error);
    if (!layout)
        return false;
    const QString &reads = data.isRowTable ? layout->detailTable() : layout->table;
    if (!data.table.isEmpty() && data.table.compare(reads, Qt::CaseInsensitive) != 0) {
        if (error)
            *error = QStringLiteral("The report layout %1 reads table \"%2\", not \"%3\".")
                         .arg(layoutPath, reads, data.table);
        return false;
    }
    QString why;
    if (!writePdf(*layout, sourceFrom(data), pdfPath, data.table, &why)) {
        if (error)
            *error = why.startsWith(QLatin1String("line "))
                         ? QStringLiteral("The report layout %1 does not fit its data: %2")
                               .arg(layoutPath, why)
                         : why;
        return false;
    }
    return true;
}

} // namespace quillon::report
