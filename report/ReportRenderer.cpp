#include "report/ReportRenderer.h"

#include "taxengine/NumberText.h"

#include <QDate>
#include <QFont>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace quillon::report {

namespace {

const QVariant *findValue(const ReportRecord &record, const QString &name) {
    for (const ReportField &f : record)
        if (f.name.compare(name, Qt::CaseInsensitive) == 0)
            return &f.value;
    return nullptr;
}

bool isNumber(const QVariant &v) {
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

QString notInTable(int line, const QString &field, const QString &table) {
    return QStringLiteral("line %1: the field \"%2\" is not in table \"%3\"")
        .arg(line)
        .arg(field, table);
}

// Millimetres on the page to device units; the painter's origin is the paper's corner.
class PageGeometry {
public:
    PageGeometry(const ReportLayout &layout, const QPaintDevice &device)
        : m_scale(device.logicalDpiX() / 25.4), m_left(layout.margins.left()),
          m_top(layout.margins.top()) {}

    double length(double mm) const { return mm * m_scale; }
    QRectF rect(const QRectF &mm, double bandTop) const {
        return {length(m_left + mm.x()), length(m_top + bandTop + mm.y()), length(mm.width()),
                length(mm.height())};
    }
    QPointF point(const QPointF &mm, double bandTop) const {
        return {length(m_left + mm.x()), length(m_top + bandTop + mm.y())};
    }

private:
    double m_scale;
    double m_left;
    double m_top;
};

struct PageContext {
    const ReportLayout &layout;
    const PageGeometry &geometry;
    int page = 0;
    int pages = 0;
    QString printed;
};

QColor inkOf(const LayoutItem &item) {
    return item.color.isValid() ? item.color : QColor(Qt::black);
}

void drawText(QPainter &painter, const PageContext &ctx, const LayoutItem &item, double top,
              const QString &text) {
    const QRectF r = ctx.geometry.rect(item.rect, top);
    if (item.fill.isValid())
        painter.fillRect(r, item.fill);
    QFont font(ctx.layout.fontFamily);
    // No ligatures: a PDF's text layer would carry "\uFB01" for "fi", and a search for
    // "beneficiaries" would not find it.
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPointSizeF(item.fontSize > 0 ? item.fontSize : ctx.layout.fontSize);
    font.setBold(item.bold);
    font.setItalic(item.italic);
    painter.setFont(font);
    painter.setPen(inkOf(item));
    int flags = static_cast<int>(item.align) | Qt::AlignVCenter;
    if (item.wrap)
        flags |= Qt::TextWordWrap;
    painter.drawText(r, flags, text);
}

void drawItem(QPainter &painter, const PageContext &ctx, const LayoutItem &item, double top,
              const ReportRecord *record) {
    switch (item.kind) {
    case ItemKind::Text: {
        QString text = item.text;
        text.replace(QStringLiteral("{page}"), QString::number(ctx.page));
        text.replace(QStringLiteral("{pages}"), QString::number(ctx.pages));
        text.replace(QStringLiteral("{printed}"), ctx.printed);
        // A field inside a caption prints plainly ("+ Portion @ M/Rate ({MARGRATE}%)").
        for (const QString &name : embeddedFields(item.text)) {
            const QVariant *value = record ? findValue(*record, name) : nullptr;
            text.replace(u'{' + name + u'}', value ? fieldText(LayoutItem{}, *value) : QString());
        }
        drawText(painter, ctx, item, top, text);
        break;
    }
    case ItemKind::Field: {
        const QVariant *value = record ? findValue(*record, item.field) : nullptr;
        drawText(painter, ctx, item, top, value ? fieldText(item, *value) : QString());
        break;
    }
    case ItemKind::Line: {
        QPen pen(inkOf(item));
        pen.setWidthF(ctx.geometry.length(item.pen));
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(ctx.geometry.point(item.segment.p1(), top),
                         ctx.geometry.point(item.segment.p2(), top));
        break;
    }
    case ItemKind::Box: {
        const QRectF r = ctx.geometry.rect(item.rect, top);
        if (item.fill.isValid())
            painter.fillRect(r, item.fill);
        if (item.pen > 0) {
            QPen pen(inkOf(item));
            pen.setWidthF(ctx.geometry.length(item.pen));
            pen.setJoinStyle(Qt::MiterJoin);
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(r);
        }
        break;
    }
    }
}

QString dayText(double day, const LayoutItem &item) {
    const auto whole = static_cast<qint64>(std::floor(day)); // a fraction is the time of day
    const QDate date = item.days == DayCount::Julian ? QDate::fromJulianDay(whole)
                                                     : QDate(1899, 12, 30).addDays(whole);
    if (!date.isValid())
        return plainNumber(day);
    // The layout writes months with m; Qt's pattern letters are otherwise the same.
    QString pattern = item.format;
    pattern.replace(u'm', u'M');
    return QLocale::c().toString(date, pattern);
}

} // namespace

std::vector<PagePlan> planPages(const ReportLayout &layout, std::size_t rowCount) {
    auto height = [&layout](BandKind k) {
        const auto &b = layout.band(k);
        return b ? b->height : 0.0;
    };
    const double bottom = layout.frameSize().height() - height(BandKind::Footer);
    std::vector<PagePlan> pages;
    double y = 0;
    auto place = [&](BandKind kind, int row = -1) {
        pages.back().push_back({kind, y, row});
        y += height(kind);
    };
    auto startPage = [&] {
        pages.emplace_back();
        y = 0;
        if (layout.band(BandKind::Continued))
            place(BandKind::Continued);
        if (layout.band(BandKind::Header))
            place(BandKind::Header);
    };

    pages.emplace_back();
    if (layout.band(BandKind::Title))
        place(BandKind::Title);
    if (layout.band(BandKind::Header))
        place(BandKind::Header);
    // A band that does not fit moves to a new page; the parser made sure it fits there.
    if (layout.band(BandKind::Detail)) {
        const double detail = height(BandKind::Detail);
        for (std::size_t row = 0; row < rowCount; ++row) {
            if (y + detail > bottom + 0.001)
                startPage();
            place(BandKind::Detail, static_cast<int>(row));
        }
    }
    if (layout.band(BandKind::Summary)) {
        if (y + height(BandKind::Summary) > bottom + 0.001)
            startPage();
        place(BandKind::Summary);
    }
    if (layout.band(BandKind::Footer))
        for (PagePlan &page : pages)
            page.push_back({BandKind::Footer, bottom, -1});
    return pages;
}

QString fieldText(const LayoutItem &item, const QVariant &value) {
    if (!value.isValid() || value.isNull())
        return {};
    QString text;
    if (isNumber(value)) {
        const double v = value.toDouble();
        if (item.blankZero && v == 0)
            return {};
        if (item.format.isEmpty())
            text = plainNumber(v);
        else if (isDatePattern(item.format))
            text = dayText(v, item);
        else
            text = formatPattern(v, item.format);
    } else {
        text = value.toString();
    }
    return text.isEmpty() ? text : text + item.suffix;
}

std::vector<LayoutItem> itemsToDraw(const LayoutBand &band, const ReportRecord *record) {
    std::vector<bool> collapsed(band.blocks.size());
    for (std::size_t b = 0; b < band.blocks.size(); ++b) {
        const QVariant *value = record ? findValue(*record, band.blocks[b].field) : nullptr;
        collapsed[b] = !value || fieldText(LayoutItem{}, *value).trimmed().isEmpty() ||
                       (isNumber(*value) && value->toDouble() == 0);
    }
    std::vector<LayoutItem> items;
    items.reserve(band.items.size());
    for (const LayoutItem &item : band.items) {
        if (item.block >= 0 && collapsed[static_cast<std::size_t>(item.block)])
            continue;
        const double top = item.kind == ItemKind::Line
                               ? std::min(item.segment.y1(), item.segment.y2())
                               : item.rect.top();
        double up = 0;
        for (std::size_t b = 0; b < band.blocks.size(); ++b) {
            const LayoutBlock &block = band.blocks[b];
            if (collapsed[b] && top >= block.top + block.height - 1e-9)
                up += block.height;
        }
        LayoutItem moved = item;
        moved.rect.translate(0, -up);
        moved.segment.translate(0, -up);
        items.push_back(std::move(moved));
    }
    return items;
}

QString missingField(const ReportLayout &layout, const ReportSource &source) {
    for (const auto &band : layout.bands) {
        if (!band)
            continue;
        // Every field name the band reads, with the line that reads it.
        std::vector<std::pair<int, QString>> reads;
        for (const LayoutBlock &block : band->blocks)
            reads.emplace_back(block.line, block.field);
        for (const LayoutItem &item : band->items) {
            if (item.kind == ItemKind::Field)
                reads.emplace_back(item.line, item.field);
            else if (item.kind == ItemKind::Text)
                for (const QString &name : embeddedFields(item.text))
                    reads.emplace_back(item.line, name);
        }
        std::stable_sort(reads.begin(), reads.end(),
                         [](const auto &a, const auto &b) { return a.first < b.first; });
        // Detail fields are checked against every row; a report without rows draws none.
        const bool perRow = band->kind == BandKind::Detail;
        for (const auto &[line, name] : reads) {
            if (perRow) {
                for (const ReportRecord &row : source.rows)
                    if (!findValue(row, name))
                        return notInTable(line, name, layout.detailTable());
            } else if (!findValue(source.record, name)) {
                return notInTable(line, name, layout.table);
            }
        }
    }
    return {};
}

QPageLayout reportPageLayout(const ReportLayout &layout) {
    return QPageLayout(QPageSize(layout.pageSize), layout.orientation, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

void preparePdfWriter(const ReportLayout &layout, QPdfWriter &writer) {
    writer.setResolution(kReportResolution);
    writer.setPageLayout(reportPageLayout(layout));
}

bool renderReport(const ReportLayout &layout, const ReportSource &source, QPagedPaintDevice &device,
                  QString *error) {
    if (const QString missing = missingField(layout, source); !missing.isEmpty()) {
        if (error)
            *error = missing;
        return false;
    }
    QPainter painter;
    if (!painter.begin(&device)) {
        if (error)
            *error = QStringLiteral("The printer could not be started.");
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const PageGeometry geometry(layout, device);
    const std::vector<PagePlan> pages = planPages(layout, source.rows.size());
    const QDate printed = source.printed.isValid() ? source.printed : QDate::currentDate();
    PageContext ctx{layout, geometry, 0, static_cast<int>(pages.size()),
                    printed.toString(QStringLiteral("dd/MM/yyyy"))};
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0)
            device.newPage();
        ctx.page = static_cast<int>(p + 1);
        for (const PlacedBand &placed : pages[p]) {
            const LayoutBand &band = *layout.band(placed.kind);
            const ReportRecord *record = placed.row >= 0
                                             ? &source.rows[static_cast<std::size_t>(placed.row)]
                                             : &source.record;
            if (band.blocks.empty()) {
                for (const LayoutItem &item : band.items)
                    drawItem(painter, ctx, item, placed.top, record);
            } else {
                for (const LayoutItem &item : itemsToDraw(band, record))
                    drawItem(painter, ctx, item, placed.top, record);
            }
        }
    }
    return painter.end();
}

} // namespace quillon::report
