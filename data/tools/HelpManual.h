#pragma once

#include <QString>
#include <QStringList>

namespace quillon::datagen {

// Writes the user manual as an A4 PDF: a title page, then the Markdown chapters in the order
// given, each chapter starting on a new page, with page numbers. Returns an error text, empty
// on success.
QString writeHelpManual(const QString &pdfPath, const QStringList &markdownFiles);

} // namespace quillon::datagen
