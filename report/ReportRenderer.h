#pragma once

#include "report/ReportLayout.h"
#include "report/ReportRecord.h"

#include <QDate>
#include <QPageLayout>
#include <QString>

#include <vector>

class QPagedPaintDevice;
class QPdfWriter;

namespace quillon::report {

// What a layout is drawn from: the record of its table and the rows its detail band repeats.
// `printed` is the day a footer's {printed} shows; left unset, the day of drawing.
struct ReportSource {
    ReportRecord record;
    std::vector<ReportRecord> rows;
    QDate printed;
};

// Where one band lands on a page: its top in millimetres below the top margin, and for a
// detail band the row it shows.
struct PlacedBand {
    BandKind kind = BandKind::Title;
    double top = 0;
    int row = -1;
};
using PagePlan = std::vector<PlacedBand>;

// The page breaks: the title on the first page, the continued band on every later one, the
// header on every page, as many detail rows as fit above the footer, then the summary; the
// footer at the foot of every page.
std::vector<PagePlan> planPages(const ReportLayout &layout, std::size_t rowCount);

// Empty when every field the layout prints is in the source, else a message naming the first
// field that is not (with its line in the layout).
QString missingField(const ReportLayout &layout, const ReportSource &source);

// The items of a band as they print for `record`: a "when" block whose field has nothing to
// print is left out, and every item below it moves up by the block's height.
std::vector<LayoutItem> itemsToDraw(const LayoutBand &band, const ReportRecord *record);

// The text a field prints for a stored value.
QString fieldText(const LayoutItem &item, const QVariant &value);

// Every device is painted at this many dots per inch.
inline constexpr int kReportResolution = 300;

// Page size and orientation with no device margins (the layout keeps its own).
QPageLayout reportPageLayout(const ReportLayout &layout);

// Page layout and resolution, set on a PDF writer before painting starts (the printer's
// counterpart lives with the printing code, which alone needs printer support).
void preparePdfWriter(const ReportLayout &layout, QPdfWriter &writer);

// The one painting routine behind the preview, the printer and PDF export. False, with
// `error` set, when a field is missing or the device cannot be painted on (no printer).
bool renderReport(const ReportLayout &layout, const ReportSource &source, QPagedPaintDevice &device,
                  QString *error);

} // namespace quillon::report
