#pragma once

#include <QColor>
#include <QLineF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace quillon::report {

// A report layout as read from a .rpt file (docs/report-layouts.md describes the text form).
// All positions and sizes are millimetres; an item's position is relative to the top left
// corner of its band, and bands span the page between the left and right margins.

enum class ItemKind { Text, Field, Line, Box };

// What a day number counts from when a field prints it as a date: the desktop-database serial
// (day 0 is 30/12/1899, 42430 is 01/03/2016) or the Julian day number (2457449 is 01/03/2016).
enum class DayCount { Serial, Julian };

// The bands, in the order they are listed; the title prints once at the top of the first page,
// the header at the top of every page, the detail once per row, the summary once after the
// last row, the footer at the bottom of every page, and the continued band at the top of every
// page after the first, above the header (what a long schedule belongs to).
enum class BandKind { Title = 0, Header, Detail, Summary, Footer, Continued };
inline constexpr std::size_t kBandKinds = 6;

struct LayoutItem {
    ItemKind kind = ItemKind::Text;
    int line = 0;   // where the item stands in the layout file
    QRectF rect;    // text, field, box
    QLineF segment; // line
    QString
        text; // text: the caption; {page}, {pages}, {printed} and {FIELD} are replaced when drawn
    QString field; // field: the record's field name
    // field: a number pattern ("# ### ### ##0.00") or a date pattern ("dd/mm/yyyy") for a day
    // number; empty prints as stored
    QString format;
    DayCount days = DayCount::Serial; // field with a date pattern: what the number counts
    QString suffix;                   // field: written after a value that prints
    bool blankZero = false;           // field: a zero prints nothing
    double fontSize = 0;              // points; 0 takes the layout's font size
    bool bold = false;
    bool italic = false;
    bool wrap = false;
    Qt::Alignment align = Qt::AlignLeft;
    QColor color;   // text colour or line colour; invalid means black
    QColor fill;    // background; invalid means none
    double pen = 0; // line and box outline width in mm; 0 on a box means no outline
    int block = -1; // the band's block the item belongs to, -1 for none
};

// A block of a band between "when FIELD" and "end": it prints only when its field has
// something to print (not empty, not zero). When it has not, the block takes no room: its
// items are left out and the items below it move up by its height.
struct LayoutBlock {
    QString field;
    int line = 0;
    double top = 0; // mm below the band's top
    double height = 0;
};

struct LayoutBand {
    BandKind kind = BandKind::Title;
    int line = 0;
    double height = 0;
    QString table; // detail only: the row table, when not the layout's own table
    std::vector<LayoutItem> items;
    std::vector<LayoutBlock> blocks;
};

struct ReportLayout {
    QString table; // the table the layout reads
    QPageSize::PageSizeId pageSize = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins{15, 15, 15, 15};
    QString fontFamily = QStringLiteral("DejaVu Sans");
    double fontSize = 9;
    std::array<std::optional<LayoutBand>, kBandKinds> bands;

    const std::optional<LayoutBand> &band(BandKind kind) const {
        return bands[static_cast<std::size_t>(kind)];
    }
    // The table the detail band repeats over: its own, or the layout's table.
    QString detailTable() const;
    // Paper size in millimetres with the orientation applied, and the frame inside the margins.
    QSizeF paperSize() const;
    QSizeF frameSize() const;
};

// True when a field's format is a date pattern ("dd/mm/yyyy") rather than a number pattern.
bool isDatePattern(const QString &format);

// The field names a caption reads through {NAME}; {page}, {pages} and {printed} are not fields.
QStringList embeddedFields(const QString &text);

} // namespace quillon::report
