#pragma once

#include "report/ReportRecord.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

// The functions of quillon-calc's PDF module (libquillon_calc_pdf.so), found by name when
// --pdf is given.
extern "C" {
// A QGuiApplication; the caller owns it.
using MakeGuiApplication = QCoreApplication *(int &argc, char **argv);
// report::renderToPdf.
using RenderPdf = bool(const QString &layoutPath,
                       const std::vector<quillon::report::ReportData> &tables,
                       const QString &pdfPath, QString *error);
}

namespace quillon::cli {

inline constexpr const char *kMakeGuiApplication = "quillonCalcGuiApplication";
inline constexpr const char *kRenderPdf = "quillonCalcRenderPdf";

// The address of a function of the PDF module, loading it from beside the program (or from
// the installed module folder); null, with the reason in `error`, when it cannot be had.
QFunctionPointer pdfModuleFunction(const char *name, QString *error = nullptr);

} // namespace quillon::cli
