#include "HelpManual.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace quillon::datagen {

namespace {

constexpr int kResolution = 300;

const QColor kHeadingColour(0x1d, 0x3b, 0x5c);

QString readChapters(const QStringList &files, QString &error) {
    QStringList parts;
    for (const QString &path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            error = QStringLiteral("cannot read ") + path;
            return {};
        }
        parts << QString::fromUtf8(file.readAll());
    }
    return parts.join(QStringLiteral("\n\n"));
}

// Each chapter begins on a new page; headings take the manual's colour.
void styleChapters(QTextDocument &doc) {
    bool first = true;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level == 0)
            continue;
        QTextCursor cursor(block);
        QTextBlockFormat format;
        if (level == 1 && !first)
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        format.setTopMargin(level == 1 ? 0 : 14);
        format.setBottomMargin(6);
        cursor.mergeBlockFormat(format);
        cursor.select(QTextCursor::BlockUnderCursor);
        QTextCharFormat chars;
        chars.setForeground(kHeadingColour);
        cursor.mergeCharFormat(chars);
        first = first && level != 1;
    }
}

void drawTitlePage(QPainter &p, const QRectF &area) {
    QFont big(QStringLiteral("DejaVu Sans"), 34, QFont::Bold);
    QFont medium(QStringLiteral("DejaVu Sans"), 16);
    QFont small(QStringLiteral("DejaVu Sans"), 11);

    p.fillRect(
        QRectF(area.left(), area.top() + area.height() * 0.28, area.width(), area.height() * 0.006),
        kHeadingColour);
    p.setPen(kHeadingColour);
    p.setFont(big);
    p.drawText(
        QRectF(area.left(), area.top() + area.height() * 0.30, area.width(), area.height() * 0.1),
        Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Quillon 2017"));
    p.setFont(medium);
    p.drawText(
        QRectF(area.left(), area.top() + area.height() * 0.40, area.width(), area.height() * 0.06),
        Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("User Manual"));
    p.setPen(Qt::black);
    p.setFont(small);
    p.drawText(
        QRectF(area.left(), area.top() + area.height() * 0.48, area.width(), area.height() * 0.12),
        Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
        QStringLiteral("Payroll, salary package, vehicle and business calculators\n"
                       "for the 2017 tax year (1 March 2016 to 28 February 2017)\n\n"
                       "Version 1.08.000"));
    p.drawText(QRectF(area.left(), area.bottom() - area.height() * 0.06, area.width(),
                      area.height() * 0.05),
               Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("(c) Quillon Software"));
}

} // namespace

QString writeHelpManual(const QString &pdfPath, const QStringList &markdownFiles) {
    QString error;
    const QString markdown = readChapters(markdownFiles, error);
    if (!error.isEmpty())
        return error;

    QPdfWriter writer(pdfPath);
    writer.setTitle(QStringLiteral("Quillon 2017 Help"));
    writer.setCreator(QStringLiteral("Quillon 2017"));
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(22, 20, 22, 18), QPageLayout::Millimeter));

    QPainter p;
    if (!p.begin(&writer))
        return QStringLiteral("cannot write ") + pdfPath;
    const QRectF area(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
    drawTitlePage(p, area);

    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&writer);
    doc.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    doc.setDocumentMargin(0);
    doc.setMarkdown(markdown);
    styleChapters(doc);
    const double footer = kResolution * 0.45; // room for the page number
    const double bodyHeight = area.height() - footer;
    doc.setPageSize(QSizeF(area.width(), bodyHeight));

    QFont pageFont(QStringLiteral("DejaVu Sans"), 8);
    const int pages = doc.pageCount();
    for (int page = 0; page < pages; ++page) {
        writer.newPage();
        p.save();
        p.translate(0, -page * bodyHeight);
        doc.drawContents(&p, QRectF(0, page * bodyHeight, area.width(), bodyHeight));
        p.restore();
        p.setFont(pageFont);
        p.setPen(Qt::darkGray);
        p.drawText(QRectF(0, bodyHeight, area.width(), footer), Qt::AlignHCenter | Qt::AlignBottom,
                   QStringLiteral("Quillon 2017 Help  \u2013  page %1").arg(page + 1));
    }
    p.end();
    return {};
}

} // namespace quillon::datagen
