// quillon-calc's drawing side: the GUI application and the PDF renderer, with Qt GUI, fonts
// and the libraries under them. It is a module of its own, loaded only when --pdf is given,
// so that every other call starts with Qt Core alone.
#include "cli/PdfModule.h"

#include "report/PdfExport.h"

#include <QGuiApplication>

extern "C" Q_DECL_EXPORT QCoreApplication *quillonCalcGuiApplication(int &argc, char **argv) {
    return new QGuiApplication(argc, argv);
}

extern "C" Q_DECL_EXPORT bool
quillonCalcRenderPdf(const QString &layoutPath,
                     const std::vector<quillon::report::ReportData> &tables, const QString &pdfPath,
                     QString *error) {
    return quillon::report::renderToPdf(layoutPath, tables, pdfPath, error);
}
