#include "cli/PdfOutput.h"

#include "cli/PdfModule.h"
#include "taxengine/ModuleLoader.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

namespace quillon::cli {

namespace {

// A PDF ends with "startxref", the offset of its cross-reference table and "%%EOF"; a file cut
// short by a full disk does not.
bool completePdf(const QByteArray &pdf) {
    const QByteArray tail = pdf.right(64).trimmed();
    if (!pdf.startsWith("%PDF-") || !tail.endsWith("%%EOF"))
        return false;
    const qsizetype mark = tail.lastIndexOf("startxref");
    if (mark < 0)
        return false;
    bool ok = false;
    const qsizetype offset =
        tail.mid(mark + 9, tail.size() - mark - 9 - 5).trimmed().toLongLong(&ok);
    return ok && offset > 0 && offset < pdf.size() && pdf.mid(offset, 4) == "xref";
}

QString cannotWrite(const QString &path, const QString &detail) {
    return QStringLiteral("the PDF file \"%1\" could not be written: %2").arg(path, detail);
}

QString writeStraight(const QString &path, const QByteArray &pdf) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return cannotWrite(path, file.errorString());
    if (file.write(pdf) != pdf.size())
        return cannotWrite(path, file.errorString());
    file.close();
    if (file.error() != QFileDevice::NoError)
        return cannotWrite(path, file.errorString());
    return {};
}

QString replaceFile(const QString &path, const QByteArray &pdf) {
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return cannotWrite(path, file.errorString());
    if (file.write(pdf) != pdf.size()) {
        const QString detail = file.errorString();
        file.cancelWriting();
        return cannotWrite(path, detail);
    }
    if (!file.commit())
        return cannotWrite(path, file.errorString());
    return {};
}

} // namespace

QFunctionPointer pdfModuleFunction(const char *name, QString *error) {
    // The program's own folder, known before any application object exists.
    const QString folder =
        QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).absolutePath();
    return resolveModuleIn(folder, QStringLiteral("quillon_calc_pdf"), name, error);
}

PdfOutcome writePdfFile(const report::PrintJob &job, const RunOptions &options) {
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return {QStringLiteral("the PDF could not be drawn: no temporary folder (%1)")
                    .arg(scratch.errorString())};
    const QString drawn = scratch.filePath(QStringLiteral("report.pdf"));
    QString error;
    const auto render = reinterpret_cast<RenderPdf *>(pdfModuleFunction(kRenderPdf, &error));
    if (!render ||
        !render(report::layoutPath(options.dataFolder, job.layoutName), job.tables, drawn, &error))
        return {QStringLiteral("the PDF could not be drawn: %1").arg(error)};
    QFile file(drawn);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("the PDF could not be drawn: %1").arg(file.errorString())};
    const QByteArray pdf = file.readAll();
    if (!completePdf(pdf))
        return {QStringLiteral("the PDF could not be drawn completely: the temporary file %1 "
                               "was cut short (is the disk full?)")
                    .arg(drawn)};

    const QFileInfo target(options.pdfPath);
    const QString problem = target.exists() && !target.isFile() && !target.isDir()
                                ? writeStraight(options.pdfPath, pdf)
                                : replaceFile(options.pdfPath, pdf);
    return {problem, !problem.isEmpty()};
}

} // namespace quillon::cli
