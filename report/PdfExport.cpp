#include "report/PdfExport.h"

#include "report/LayoutParser.h"

#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QStringList>

namespace quillon::report {

namespace {

const ReportData *findTable(const std::vector<ReportData> &tables, const QString &name) {
    for (const ReportData &t : tables)
        if (t.table.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

QString notWritten(const QString &table, const std::vector<ReportData> &tables) {
    QStringList written;
    for (const ReportData &t : tables)
        written << u'"' + t.table + u'"';
    return QStringLiteral("the print writes no table \"%1\" (it writes %2)")
        .arg(table,
             written.isEmpty() ? QStringLiteral("none") : written.join(QStringLiteral(", ")));
}

} // namespace

std::optional<ReportSource> sourceFrom(const ReportLayout &layout,
                                       const std::vector<ReportData> &tables, QString *error) {
    ReportSource source;
    const ReportData *own = findTable(tables, layout.table);
    if (!own) {
        if (error)
            *error = notWritten(layout.table, tables);
        return std::nullopt;
    }
    if (!own->isRowTable)
        source.record = own->record;
    else if (!own->rows.empty())
        source.record = own->rows.front();
    if (layout.band(BandKind::Detail)) {
        const ReportData *detail = findTable(tables, layout.detailTable());
        if (!detail) {
            if (error)
                *error = notWritten(layout.detailTable(), tables);
            return std::nullopt;
        }
        source.rows = detail->isRowTable ? detail->rows : std::vector<ReportRecord>{detail->record};
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

bool renderToPdf(const QString &layoutPath, const std::vector<ReportData> &tables,
                 const QString &pdfPath, QString *error) {
    const auto layout = LayoutParser::parseFile(layoutPath, error);
    if (!layout)
        return false;
    auto misfit = [&](const QString &why) {
        if (error)
            *error = QStringLiteral("The report layout %1 does not fit its data: %2")
                         .arg(layoutPath, why);
        return false;
    };
    QString why;
    const auto source = sourceFrom(*layout, tables, &why);
    if (!source)
        return misfit(why);
    if (!writePdf(*layout, *source, pdfPath, layout->table, &why)) {
        if (why.startsWith(QLatin1String("line ")))
            return misfit(why);
        if (error)
            *error = why;
        return false;
    }
    return true;
}

} // namespace quillon::report
