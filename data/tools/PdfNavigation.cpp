#include "PdfNavigation.h"

#include <QFile>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>
#include <stdexcept>

namespace quillon::datagen {

namespace {

using Object = QPDFObjectHandle;

class Navigation {
public:
    explicit Navigation(QPDF &pdf)
        : m_pdf(pdf), m_pages(QPDFPageDocumentHelper(pdf).getAllPages()) {}

    // An explicit destination: the page, scrolled so that `top` is at the window's top.
    Object destination(const PdfPlace &place) {
        const auto index = static_cast<std::size_t>(place.page);
        if (place.page < 0 || index >= m_pages.size())
            throw std::runtime_error("a link or bookmark points past the last page");
        QPDFPageObjectHelper &page = m_pages[index];
        const double height = page.getMediaBox().getArrayAsRectangle().ury;
        return Object::newArray({page.getObjectHandle(), Object::newName("/XYZ"), Object::newNull(),
                                 Object::newReal(height - place.top, 2), Object::newNull()});
    }

    // The bookmarks under `parent`, linked to one another; a bookmark's own list starts closed.
    int addEntries(Object parent, const std::vector<OutlineEntry> &entries) {
        Object previous;
        for (const OutlineEntry &entry : entries) {
            Object item = m_pdf.makeIndirectObject(Object::newDictionary());
            item.replaceKey("/Title", Object::newUnicodeString(entry.title.toStdString()));
            item.replaceKey("/Parent", parent);
            item.replaceKey("/Dest", destination(entry.place));
            if (previous.isInitialized()) {
                previous.replaceKey("/Next", item);
                item.replaceKey("/Prev", previous);
            } else {
                parent.replaceKey("/First", item);
            }
            previous = item;
            if (const int shown = addEntries(item, entry.children); shown > 0)
                item.replaceKey("/Count", Object::newInteger(-shown));
        }
        if (previous.isInitialized())
            parent.replaceKey("/Last", previous);
        return static_cast<int>(entries.size());
    }

    void addLink(const PageLink &link) {
        QPDFPageObjectHelper &page = m_pages.at(static_cast<std::size_t>(link.page));
        const double height = page.getMediaBox().getArrayAsRectangle().ury;
        Object annotation = m_pdf.makeIndirectObject(Object::newDictionary());
        annotation.replaceKey("/Type", Object::newName("/Annot"));
        annotation.replaceKey("/Subtype", Object::newName("/Link"));
        annotation.replaceKey("/Rect", Object::newArray(QPDFObjectHandle::Rectangle(
                                           link.area.left(), height - link.area.bottom(),
                                           link.area.right(), height - link.area.top())));
        annotation.replaceKey("/Border", Object::parse("[0 0 0]"));
        annotation.replaceKey("/Dest", destination(link.target));
        Object pageObject = page.getObjectHandle();
        if (!pageObject.getKey("/Annots").isArray())
            pageObject.replaceKey("/Annots", Object::newArray());
        pageObject.getKey("/Annots").appendItem(annotation);
    }

private:
    QPDF &m_pdf;
    std::vector<QPDFPageObjectHelper> m_pages;
};

} // namespace

QString addPdfNavigation(const QString &pdfPath, const std::vector<OutlineEntry> &outline,
                         const std::vector<PageLink> &links) {
    const QString written = pdfPath + QStringLiteral(".tmp");
    try {
        QPDF pdf;
        pdf.processFile(QFile::encodeName(pdfPath).constData());
        Navigation navigation(pdf);
        Object outlines = pdf.makeIndirectObject(Object::newDictionary());
        outlines.replaceKey("/Type", Object::newName("/Outlines"));
        outlines.replaceKey("/Count", Object::newInteger(navigation.addEntries(outlines, outline)));
        pdf.getRoot().replaceKey("/Outlines", outlines);
        pdf.getRoot().replaceKey("/PageMode", Object::newName("/UseOutlines"));
        for (const PageLink &link : links)
            navigation.addLink(link);
        QPDFWriter writer(pdf, QFile::encodeName(written).constData());
        writer.setDeterministicID(true); // the same sources give the same file
        writer.write();
    } catch (const std::exception &e) {
        QFile::remove(written);
        return QStringLiteral("cannot add the outline to %1: %2")
            .arg(pdfPath, QString::fromLocal8Bit(e.what()));
    }
    QFile::remove(pdfPath);
    if (!QFile::rename(written, pdfPath))
        return QStringLiteral("cannot write ") + pdfPath;
    return {};
}

} // namespace quillon::datagen
