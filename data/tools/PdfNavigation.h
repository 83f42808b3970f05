#pragma once

#include <QRectF>
#include <QString>

#include <vector>

namespace quillon::datagen {

// A place in the document: a page (from 0) and a height on it in points below the page's top.
struct PdfPlace {
    int page = 0;
    double top = 0;
};

// One bookmark of the outline, with the bookmarks under it.
struct OutlineEntry {
    QString title;
    PdfPlace place;
    std::vector<OutlineEntry> children;
};

// A link area on a page (points from the page's top left corner) that jumps to a place.
struct PageLink {
    int page = 0;
    QRectF area;
    PdfPlace target;
};

// Gives the PDF at `pdfPath` an outline and internal links, which QPdfWriter cannot write, and
// has viewers open it with the outline shown. Returns an error text, empty on success.
QString addPdfNavigation(const QString &pdfPath, const std::vector<OutlineEntry> &outline,
                         const std::vector<PageLink> &links);

} // namespace quillon::datagen
