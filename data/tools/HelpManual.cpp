#include "HelpManual.h"

#include "PdfNavigation.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <vector>

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

// Headings take the manual's colour and some room above them; each chapter begins on a page of
// its own (see paginate).
void styleHeadings(QTextDocument &doc) {
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level == 0)
            continue;
        QTextCursor cursor(block);
        QTextBlockFormat format;
        format.setTopMargin(level == 1 ? 0 : 14);
        format.setBottomMargin(6);
        cursor.mergeBlockFormat(format);
        cursor.select(QTextCursor::BlockUnderCursor);
        QTextCharFormat chars;
        chars.setForeground(kHeadingColour);
        cursor.mergeCharFormat(chars);
    }
}

// A stretch of the laid-out document, in its own units from its top.
struct Span {
    double top = 0;
    double bottom = 0;
};

struct Heading {
    int level = 0;
    QString title;
    double top = 0;
};

// What pagination needs of the document, laid out as one long page: the lines, which a page
// may not cut; each heading with the first line after it, which a page may not part; and the
// headings, whose chapters start new pages.
struct Flow {
    std::vector<Span> lines;
    std::vector<Span> keep;
    std::vector<Heading> headings;
    double height = 0;
};

Flow flowOf(const QTextDocument &doc) {
    Flow flow;
    QAbstractTextDocumentLayout *layout = doc.documentLayout();
    flow.height = layout->documentSize().height();
    // The top of a heading still waiting for its next line. Not an optional: GCC 12 at -O3 warns
    // that one may be read uninitialised.
    bool headingOpen = false;
    double headingTop = 0;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QTextLayout *text = block.layout();
        if (!text || text->lineCount() == 0)
            continue;
        const double origin = layout->blockBoundingRect(block).top() - text->boundingRect().top();
        for (int i = 0; i < text->lineCount(); ++i) {
            const QRectF line = text->lineAt(i).rect();
            flow.lines.push_back({origin + line.top(), origin + line.bottom()});
        }
        const Span first =
            flow.lines[flow.lines.size() - static_cast<std::size_t>(text->lineCount())];
        if (headingOpen) {
            flow.keep.push_back({headingTop, first.bottom});
            headingOpen = false;
        }
        if (const int level = block.blockFormat().headingLevel(); level > 0) {
            flow.headings.push_back({level, block.text().trimmed(), first.top});
            headingOpen = true;
            headingTop = first.top;
        }
    }
    return flow;
}

// The tops of the pages: a chapter (level 1 heading) starts a page; otherwise a page ends at the
// last place within `pageHeight` that cuts no line and parts no heading from what follows it.
std::vector<double> paginate(const Flow &flow, double pageHeight) {
    std::vector<double> chapters;
    for (const Heading &h : flow.headings)
        if (h.level == 1 && h.top > 0)
            chapters.push_back(h.top);
    constexpr double eps = 0.01;
    const auto inside = [](const std::vector<Span> &spans, double y) {
        return std::any_of(spans.begin(), spans.end(),
                           [y](const Span &s) { return s.top + eps < y && y < s.bottom - eps; });
    };
    std::vector<double> tops{0};
    double start = 0;
    for (;;) {
        const double limit = start + pageHeight;
        const auto chapter = std::find_if(chapters.begin(), chapters.end(),
                                          [&](double y) { return y > start + eps; });
        double next = -1;
        if (chapter != chapters.end() && *chapter <= limit) {
            next = *chapter;
        } else if (limit >= flow.height) {
            break;
        } else {
            for (const Span &line : flow.lines)
                if (line.top > start + eps && line.top <= limit && line.top > next &&
                    !inside(flow.lines, line.top) && !inside(flow.keep, line.top))
                    next = line.top;
            if (next < 0)
                next = limit; // nothing fits whole: cut where the page ends
        }
        tops.push_back(next);
        start = next;
    }
    return tops;
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

// The contents page: each chapter with its page number, the whole line a link to it.
std::vector<QRectF> drawContents(QPainter &p, const QRectF &area,
                                 const std::vector<std::pair<QString, int>> &chapters) {
    QFont title(QStringLiteral("DejaVu Sans"), 20, QFont::Bold);
    QFont entry(QStringLiteral("DejaVu Sans"), 11);
    title.setStyleStrategy(QFont::PreferNoShaping);
    entry.setStyleStrategy(QFont::PreferNoShaping);
    p.setPen(kHeadingColour);
    p.setFont(title);
    const double titleHeight = area.height() * 0.06;
    p.drawText(QRectF(area.left(), area.top(), area.width(), titleHeight),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Contents"));
    p.setFont(entry);
    const QFontMetricsF metrics(entry, p.device());
    const double row = metrics.height() * 1.9;
    double y = area.top() + titleHeight + row * 0.5;
    std::vector<QRectF> areas;
    for (const auto &[name, page] : chapters) {
        const QRectF line(area.left(), y, area.width(), row);
        const QString number = QString::number(page);
        const double nameWidth = metrics.horizontalAdvance(name);
        const double numberWidth = metrics.horizontalAdvance(number);
        p.setPen(Qt::black);
        p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, name);
        p.drawText(line, Qt::AlignRight | Qt::AlignVCenter, number);
        // A dotted leader from the name to the number.
        QPen dots(Qt::gray, metrics.height() * 0.08, Qt::DotLine);
        p.setPen(dots);
        const double base = line.center().y() + metrics.ascent() * 0.35;
        p.drawLine(QPointF(line.left() + nameWidth + metrics.height() * 0.5, base),
                   QPointF(line.right() - numberWidth - metrics.height() * 0.5, base));
        areas.push_back(line);
        y += row;
    }
    return areas;
}

} // namespace

QString writeHelpManual(const QString &pdfPath, const QStringList &markdownFiles) {
    QString error;
    const QString markdown = readChapters(markdownFiles, error);
    if (!error.isEmpty())
        return error;

    const QPageLayout pageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                 QMarginsF(22, 20, 22, 18), QPageLayout::Millimeter);
    QPdfWriter writer(pdfPath);
    writer.setTitle(QStringLiteral("Quillon 2017 Help"));
    writer.setCreator(QStringLiteral("Quillon 2017"));
    writer.setResolution(kResolution);
    writer.setPageLayout(pageLayout);

    QPainter p;
    if (!p.begin(&writer))
        return QStringLiteral("cannot write ") + pdfPath;
    const QRectF area(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
    drawTitlePage(p, area);

    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&writer);
    QFont body(QStringLiteral("DejaVu Sans"), 10);
    // No ligatures, so that a search of the text finds "fi" and "fl" words.
    body.setStyleStrategy(QFont::PreferNoShaping);
    doc.setDefaultFont(body);
    doc.setDocumentMargin(0);
    doc.setMarkdown(markdown);
    styleHeadings(doc);
    const double footer = kResolution * 0.45; // room for the page number
    const double bodyHeight = area.height() - footer;
    doc.setTextWidth(area.width()); // one long page; paginate() breaks it
    const Flow flow = flowOf(doc);
    const std::vector<double> tops = paginate(flow, bodyHeight);

    // Pages: the title, the contents, then the chapters.
    constexpr int kFirstBodyPage = 2;
    const auto pageOf = [&tops](double y) {
        const auto after = std::upper_bound(tops.begin(), tops.end(), y);
        return static_cast<int>(after - tops.begin()) - 1;
    };
    // Device units on the page's paintable area to points from the paper's top left corner.
    const QRectF paper = pageLayout.paintRect(QPageLayout::Point);
    const double toPoints = 72.0 / kResolution;
    const auto place = [&](double y) {
        const int page = pageOf(y);
        return PdfPlace{kFirstBodyPage + page,
                        paper.top() + (y - tops[static_cast<std::size_t>(page)]) * toPoints};
    };

    std::vector<OutlineEntry> outline;
    std::vector<std::pair<QString, int>> chapters;
    for (const Heading &h : flow.headings) {
        if (h.level == 1) {
            outline.push_back({h.title, place(h.top), {}});
            chapters.emplace_back(h.title, place(h.top).page + 1);
        } else if (h.level == 2 && !outline.empty()) {
            outline.back().children.push_back({h.title, place(h.top), {}});
        }
    }

    QFont pageFont(QStringLiteral("DejaVu Sans"), 8);
    pageFont.setStyleStrategy(QFont::PreferNoShaping);
    const auto pageNumber = [&](int page) {
        p.setFont(pageFont);
        p.setPen(Qt::darkGray);
        p.drawText(QRectF(0, bodyHeight, area.width(), footer), Qt::AlignHCenter | Qt::AlignBottom,
                   QStringLiteral("Quillon 2017 Help  \u2013  page %1").arg(page + 1));
    };

    writer.newPage();
    const std::vector<QRectF> entries = drawContents(p, area, chapters);
    pageNumber(1);
    std::vector<PageLink> links;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const QRectF &e = entries[i];
        links.push_back(
            {1,
             QRectF(paper.left() + e.left() * toPoints, paper.top() + e.top() * toPoints,
                    e.width() * toPoints, e.height() * toPoints),
             outline[i].place});
    }

    const auto pages = static_cast<int>(tops.size());
    for (int page = 0; page < pages; ++page) {
        const double top = tops[static_cast<std::size_t>(page)];
        const double bottom =
            page + 1 < pages ? tops[static_cast<std::size_t>(page) + 1] : flow.height;
        writer.newPage();
        p.save();
        p.translate(0, -top);
        // The lines are chosen from a slightly smaller area than the page clips to: the next
        // page's first line touches this page's foot, and drawn here, however clipped, it would
        // stand twice in the text layer. (Qt also draws the line before the area, clipped away;
        // its text stays behind at the head of the page.)
        constexpr double kInset = 3;
        p.setClipRect(QRectF(0, top, area.width(), bottom - top));
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, top + kInset, area.width(), bottom - top - 2 * kInset);
        doc.documentLayout()->draw(&p, context);
        p.restore();
        pageNumber(kFirstBodyPage + page);
    }
    p.end();
    outline.insert(outline.begin(), OutlineEntry{QStringLiteral("Contents"), {1, paper.top()}, {}});
    return addPdfNavigation(pdfPath, outline, links);
}

} // namespace quillon::datagen
