#pragma once

#include <QString>
#include <QStringList>

namespace quillon::datagen {

// Writes the user manual as an A4 PDF: a title page, a contents page whose lines link to the
// chapters, then the Markdown chapters in the order given, each starting on a new page, with
// page numbers and an outline of the chapters and their sections. No page cuts a line or ends
// on a heading. Returns an error text, empty on success.
QString writeHelpManual(const QString &pdfPath, const QStringList &markdownFiles);

} // namespace quillon::datagen
