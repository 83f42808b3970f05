#include "report/LayoutParser.h"
#include "report/ReportRenderer.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <gtest/gtest.h>

using namespace quillon::report;

namespace {

QString lines(std::initializer_list<const char *> text) {
    QStringList out;
    for (const char *l : text)
        out << QString::fromUtf8(l);
    return out.join(u'\n');
}

const QString kHead =
    lines({"quillon-layout 1", "table Loans", "page A4 portrait", "margins 15 10 15 10"});

std::optional<ReportLayout> parseOk(const QString &text) {
    QString error;
    auto layout = LayoutParser::parse(text, &error);
    EXPECT_TRUE(layout) << error.toStdString();
    return layout;
}

TEST(LayoutParser, ReadsEveryKindOfStatement) {
    const auto layout = parseOk(
        kHead + u'\n' +
        lines({
            "font \"DejaVu Serif\" 10  # a comment after the statement",
            "",
            "band title 40",
            "  text 0 0 180 10 \"Loan \\\"schedule\\\"\" size=14 bold align=center color=#1f3a5f",
            "  field 0 12 100 6 Heading italic wrap",
            "  field 100 12 80 6 Num1 format=\"# ### ### ##0.00\" align=right blankzero "
            "fill=#eeeeee",
            "  line 0 20 180 20 pen=0.5",
            "  box 0 22 180 10 pen=0 fill=#dde6f0",
            "band detail 6 table=Amort",
            "  field 0 0 20 6 Year format=\"0\"",
            "band footer 8",
            "  text 0 0 180 8 \"{page}/{pages}\" align=right",
        }));
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->table, QStringLiteral("Loans"));
    EXPECT_EQ(layout->detailTable(), QStringLiteral("Amort"));
    EXPECT_EQ(layout->fontFamily, QStringLiteral("DejaVu Serif"));
    EXPECT_DOUBLE_EQ(layout->frameSize().width(), 180);
    EXPECT_DOUBLE_EQ(layout->frameSize().height(), 277);

    const auto &title = layout->band(BandKind::Title);
    ASSERT_TRUE(title);
    ASSERT_EQ(title->items.size(), 5u);
    const LayoutItem &caption = title->items[0];
    EXPECT_EQ(caption.text, QStringLiteral("Loan \"schedule\""));
    EXPECT_EQ(caption.line, 8);
    EXPECT_TRUE(caption.bold);
    EXPECT_EQ(caption.align, Qt::AlignHCenter);
    EXPECT_EQ(caption.color, QColor(0x1f, 0x3a, 0x5f));
    const LayoutItem &amount = title->items[2];
    EXPECT_EQ(amount.field, QStringLiteral("Num1"));
    EXPECT_EQ(amount.format, QStringLiteral("# ### ### ##0.00"));
    EXPECT_TRUE(amount.blankZero);
    EXPECT_EQ(title->items[3].kind, ItemKind::Line);
    EXPECT_EQ(title->items[4].pen, 0);
    EXPECT_TRUE(layout->band(BandKind::Footer));
    EXPECT_FALSE(layout->band(BandKind::Header));
}

TEST(LayoutParser, LandscapeTurnsTheFrame) {
    const auto layout =
        parseOk(lines({"quillon-layout 1", "table BondComp", "page A4 landscape",
                       "margins 10 10 10 10", "band title 100", "  line 0 0 277 0"}));
    ASSERT_TRUE(layout);
    EXPECT_DOUBLE_EQ(layout->frameSize().width(), 277);
}

struct BadLayout {
    const char *name;
    QString text;
    int line;
    const char *message;
};

class LayoutParserErrors : public ::testing::TestWithParam<BadLayout> {};

TEST_P(LayoutParserErrors, NamesTheLineAndTheProblem) {
    QString error;
    EXPECT_FALSE(LayoutParser::parse(GetParam().text, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("line %1: ").arg(GetParam().line)))
        << error.toStdString();
    EXPECT_TRUE(error.contains(QString::fromUtf8(GetParam().message))) << error.toStdString();
}

QString withBand(std::initializer_list<const char *> body) {
    return kHead + QStringLiteral("\nband title 50\n") + lines(body);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, LayoutParserErrors,
    ::testing::Values(
        BadLayout{"NotALayout", QStringLiteral("table IRP5Ann"), 1, "must begin with"},
        BadLayout{"EmptyFile", QString(), 1, "must begin with"},
        BadLayout{"LaterVersion", QStringLiteral("quillon-layout 2"), 1, "version 2"},
        BadLayout{"NoTable", QStringLiteral("quillon-layout 1\nband title 10"), 2,
                  "names no table"},
        BadLayout{"UnknownStatement", kHead + QStringLiteral("\nlabel 0 0 1 1"), 5,
                  "unknown statement \"label\""},
        BadLayout{"ItemOutsideBand", kHead + QStringLiteral("\ntext 0 0 10 5 \"x\""), 5,
                  "inside a band"},
        BadLayout{"PageAfterBand", withBand({"page A5 portrait"}), 6, "before the first band"},
        BadLayout{"PageTwice", kHead + QStringLiteral("\npage A5 portrait"), 5, "given twice"},
        BadLayout{"UnknownPaper", QStringLiteral("quillon-layout 1\ntable T\npage A3 portrait"), 3,
                  "unknown paper size \"A3\""},
        BadLayout{"BadNumber", withBand({"text 0 zero 10 5 \"x\""}), 6, "must be a number"},
        BadLayout{"NegativeNumber", withBand({"box 0 -1 10 5"}), 6, "must not be negative"},
        BadLayout{"ZeroWidth", withBand({"box 0 0 0 5"}), 6, "above 0"},
        BadLayout{"TooFewValues", withBand({"field 0 0 10 5"}), 6, "field X Y WIDTH HEIGHT NAME"},
        BadLayout{"UnclosedQuote", withBand({"text 0 0 10 5 \"open"}), 6, "not closed"},
        BadLayout{"CaptionWithoutQuotes", withBand({"text 0 0 10 5 Caption"}), 6, "in quotes"},
        BadLayout{"UnknownOption", withBand({"text 0 0 10 5 \"x\" colour=#000000"}), 6,
                  "unknown option \"colour\""},
        BadLayout{"UnknownFlag", withBand({"text 0 0 10 5 \"x\" underline"}), 6,
                  "unknown option \"underline\""},
        BadLayout{"FormatOnCaption", withBand({"text 0 0 10 5 \"x\" format=\"0.00\""}), 6,
                  "does not apply"},
        BadLayout{"PenOnText", withBand({"field 0 0 10 5 A pen=1"}), 6, "does not apply"},
        BadLayout{"BadPattern", withBand({"field 0 0 10 5 A format=\"R 0.00\""}), 6,
                  "not a number format"},
        BadLayout{"BadColour", withBand({"box 0 0 10 5 fill=red"}), 6, "#rrggbb"},
        BadLayout{"BadAlignment", withBand({"field 0 0 10 5 A align=middle"}), 6,
                  "left, center or right"},
        BadLayout{"TinyFont", withBand({"field 0 0 10 5 A size=2"}), 6, "between 4 and 72"},
        BadLayout{"BeyondTheMargin", withBand({"field 170 0 20 5 A"}), 6, "beyond the 180 mm"},
        BadLayout{"BelowTheBand", withBand({"", "line 0 10 180 51"}), 7, "band's height of 50 mm"},
        BadLayout{"BandTwice", withBand({"band title 10"}), 6, "given twice (first on line 5)"},
        BadLayout{"UnknownBand", kHead + QStringLiteral("\nband body 10"), 5,
                  "unknown band \"body\""},
        BadLayout{"TableOnTitle", kHead + QStringLiteral("\nband title 10 table=Amort"), 5,
                  "only a detail band"},
        BadLayout{"DetailTallerThanPage",
                  kHead + QStringLiteral("\nband header 20\nband detail 260\nband footer 10"), 6,
                  "more than the 277 mm"},
        BadLayout{"StyleAfterBand", withBand({"style money bold"}), 6, "before the first band"},
        BadLayout{"StyleTwice", kHead + QStringLiteral("\nstyle a bold\nstyle a italic"), 6,
                  "the style \"a\" is given twice"},
        BadLayout{"UnknownStyle", withBand({"text 0 0 10 5 \"x\" style=none"}), 6,
                  "unknown style \"none\""},
        BadLayout{"FlagWithValue", withBand({"text 0 0 10 5 \"x\" bold=yes"}), 6, "written alone"},
        BadLayout{"SignOnField", withBand({"field 0 0 10 5 A sign=\"R\""}), 6,
                  "\"sign\" does not apply to a field"},
        BadLayout{"BadDatePattern", withBand({"field 0 0 10 5 A format=\"dd/mm/yyy\""}), 6,
                  "not a number format"},
        BadLayout{"DaysWithoutDate", withBand({"field 0 0 10 5 A format=\"0.00\" days=julian"}), 6,
                  "goes with a date format"},
        BadLayout{"RowWithoutColumns", withBand({"row A B"}), 6, "needs a \"columns\""},
        BadLayout{"ColumnsOutOfOrder",
                  kHead + QStringLiteral("\ncolumns caption=5 sign=100 value=90 end=170"), 5,
                  "left to right"},
        BadLayout{"ColumnsIncomplete", kHead + QStringLiteral("\ncolumns caption=5 sign=100"), 5,
                  "expected \"columns caption=X"},
        BadLayout{"RowBelowTheBand",
                  kHead + QStringLiteral("\ncolumns caption=5 sign=100 value=110 end=170 "
                                         "height=30\nband title 50\nrow A B\nrow C D"),
                  8, "band's height of 50 mm"},
        BadLayout{"RowBeyondTheMargin",
                  kHead + QStringLiteral("\ncolumns caption=5 sign=100 value=110 end=190\n"
                                         "band title 50\nrow A B"),
                  7, "beyond the 180 mm"},
        BadLayout{"GapBelowTheBand", withBand({"gap 51"}), 6, "beyond its band's height"},
        BadLayout{"SectionWithoutEnd", withBand({"section", "", "band footer 10"}), 8,
                  "opened on line 6 has no \"end\""},
        BadLayout{"SectionOpenAtTheEnd", withBand({"section"}), 6, "has no \"end\""},
        BadLayout{"SectionInSection", withBand({"section", "section"}), 7,
                  "already open (from line 6)"},
        BadLayout{"EndWithoutSection", withBand({"end"}), 6, "without an open section"},
        BadLayout{"WhenInSection", withBand({"section", "when A"}), 7, "inside a section"},
        BadLayout{"WhenInWhen", withBand({"when A", "when B"}), 7, "already open (from line 6)"},
        BadLayout{"WhenWithoutEnd", withBand({"when A", "band footer 10"}), 7,
                  "block opened on line 6 has no \"end\""},
        BadLayout{"MarginsFillThePage",
                  kHead.left(kHead.lastIndexOf(u'\n')) + QStringLiteral("\nmargins 100 10 110 10"),
                  4, "no room"}),
    [](const auto &row) { return std::string(row.param.name); });

TEST(LayoutParser, MissingFileIsNamed) {
    QString error;
    EXPECT_FALSE(LayoutParser::parseFile(QStringLiteral("/nonexistent/Annual.rpt"), &error));
    EXPECT_EQ(error, QStringLiteral("The report layout /nonexistent/Annual.rpt was not found."));
    QTemporaryDir dir;
    EXPECT_FALSE(LayoutParser::parseFile(dir.path(), &error));
    EXPECT_EQ(error, QStringLiteral("The report layout %1 is not a file.").arg(dir.path()));
}

// Shared statements come from files beside the layout, one level deep.
TEST(LayoutParser, IncludesFilesBesideTheLayout) {
    QTemporaryDir dir;
    const auto write = [&dir](const char *name, const char *text) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    };
    write("page.inc", "table Loans\nstyle money format=\"0.00\"\n");
    write("nested.inc", "include \"page.inc\"\n");
    // A pipe would block the read for good; a link must not show a file outside the folder.
    ASSERT_EQ(::mkfifo(dir.filePath(QStringLiteral("pipe.inc")).toLocal8Bit().constData(), 0600),
              0);
    ASSERT_TRUE(QFile::link(QCoreApplication::applicationFilePath(),
                            dir.filePath(QStringLiteral("outside.inc"))));
    struct Case {
        const char *included;
        const char *error; // empty when the layout parses
    };
    const Case cases[] = {
        {"page.inc", ""},
        {"nested.inc",
         "line 2: in \"nested.inc\", line 1: an included file cannot include another"},
        {"none.inc", "line 2: the included file \"none.inc\" is not a file of the layout folder"},
        {"pipe.inc", "\"pipe.inc\" is not a file of the layout folder"},
        {"outside.inc", "\"outside.inc\" is not a file of the layout folder"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.included);
        write("test.rpt", QStringLiteral("quillon-layout 1\ninclude \"%1\"\nband title 10\n  field "
                                         "0 0 50 5 Num1 style=money\n")
                              .arg(QString::fromLatin1(c.included))
                              .toUtf8()
                              .constData());
        QString error;
        const auto layout =
            LayoutParser::parseFile(dir.filePath(QStringLiteral("test.rpt")), &error);
        EXPECT_EQ(layout.has_value(), *c.error == 0);
        EXPECT_TRUE(*c.error == 0 ? error.isEmpty() : error.endsWith(QString::fromLatin1(c.error)))
            << error.toStdString();
        if (layout) {
            EXPECT_EQ(layout->table, QStringLiteral("Loans"));
        }
    }
    QString error;
    EXPECT_FALSE(LayoutParser::parse(kHead + QStringLiteral("\ninclude \"page.inc\""), &error));
    EXPECT_EQ(error, QStringLiteral("line 5: only a layout read from a file can include another"));
}

// Page breaks for a schedule: frame 277 mm, header 20, footer 10, detail 10 leaves room for
// 24 rows on the first page less 3 for the title (30 mm), and on a following page 24 less 1 for
// the continued band (10 mm).
ReportLayout schedule(bool withSummary) {
    QString text = kHead + QStringLiteral("\nband title 30\nband header 20\nband detail 10\nband "
                                          "footer 10\nband continued 10");
    if (withSummary)
        text += QStringLiteral("\nband summary 50");
    return *parseOk(text);
}

struct PlanCase {
    const char *name;
    std::size_t rows;
    bool summary;
    std::vector<std::size_t> detailRowsPerPage;
    int summaryPage; // -1: none
};

class PagePlanning : public ::testing::TestWithParam<PlanCase> {};

TEST_P(PagePlanning, BreaksWhereTheRowsNoLongerFit) {
    const PlanCase &c = GetParam();
    const auto pages = planPages(schedule(c.summary), c.rows);
    ASSERT_EQ(pages.size(), c.detailRowsPerPage.size());
    int nextRow = 0;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        std::size_t details = 0, headers = 0, footers = 0, titles = 0, continued = 0;
        for (const PlacedBand &b : pages[p]) {
            switch (b.kind) {
            case BandKind::Detail:
                EXPECT_EQ(b.row, nextRow++);
                EXPECT_LE(b.top + 10, 267.0);
                ++details;
                break;
            case BandKind::Header:
                ++headers;
                break;
            case BandKind::Footer:
                ++footers;
                EXPECT_DOUBLE_EQ(b.top, 267);
                break;
            case BandKind::Title:
                ++titles;
                break;
            case BandKind::Summary:
                EXPECT_EQ(static_cast<int>(p), c.summaryPage);
                break;
            case BandKind::Continued:
                EXPECT_DOUBLE_EQ(b.top, 0);
                ++continued;
                break;
            }
        }
        EXPECT_EQ(details, c.detailRowsPerPage[p]) << "page " << p + 1;
        EXPECT_EQ(headers, 1u) << "the header repeats on page " << p + 1;
        EXPECT_EQ(footers, 1u);
        EXPECT_EQ(titles, p == 0 ? 1u : 0u);
        EXPECT_EQ(continued, p == 0 ? 0u : 1u);
    }
    EXPECT_EQ(nextRow, static_cast<int>(c.rows));
}

INSTANTIATE_TEST_SUITE_P(Rows, PagePlanning,
                         ::testing::Values(PlanCase{"NoRows", 0, false, {0}, -1},
                                           PlanCase{"FirstPageFull", 21, false, {21}, -1},
                                           PlanCase{"OneRowOver", 22, false, {21, 1}, -1},
                                           PlanCase{
                                               "ThreePages", 21 + 23 + 5, false, {21, 23, 5}, -1},
                                           PlanCase{"SummaryFits", 10, true, {10}, 0},
                                           PlanCase{"SummaryMovesOn", 20, true, {20, 0}, 1}),
                         [](const auto &row) { return std::string(row.param.name); });

struct TextCase {
    const char *name;
    QVariant value;
    const char *format;
    bool blankZero;
    const char *expected;
    DayCount days = DayCount::Serial;
    const char *suffix = "";
};

class FieldText : public ::testing::TestWithParam<TextCase> {};

TEST_P(FieldText, FormatsNumbersAndKeepsTexts) {
    LayoutItem item;
    item.kind = ItemKind::Field;
    item.format = QString::fromUtf8(GetParam().format);
    item.blankZero = GetParam().blankZero;
    item.days = GetParam().days;
    item.suffix = QString::fromUtf8(GetParam().suffix);
    EXPECT_EQ(fieldText(item, GetParam().value), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Values, FieldText,
    ::testing::Values(
        TextCase{"Amount", QVariant(1234567.891), "# ### ### ##0.00", false, "1 234 567.89"},
        TextCase{"IntegerAmount", QVariant(0), "# ### ### ##0.00", false, "0.00"},
        TextCase{"Count", QVariant(qlonglong(24)), "0", false, "24"},
        TextCase{"Unformatted", QVariant(123456.5), "", false, "123456.5"},
        TextCase{"BlankZero", QVariant(0.0), "0.00", true, ""},
        TextCase{"BlankZeroKeepsOthers", QVariant(-5.0), "0.00", true, "-5.00"},
        TextCase{"TextAsStored", QVariant(QStringLiteral("01/03/2016")), "0.00", false,
                 "01/03/2016"},
        TextCase{"Null", QVariant(), "0.00", false, ""},
        // 42430 days after 30/12/1899, and Julian day 2457449, are 1 March 2016.
        TextCase{"SerialDay", QVariant(42430), "dd/mm/yyyy", false, "01/03/2016"},
        TextCase{"SerialDayAndTime", QVariant(42794.75), "dd/mm/yyyy", false, "28/02/2017"},
        TextCase{"JulianDay", QVariant(qint64(2457449)), "dd/mm/yyyy", false, "01/03/2016",
                 DayCount::Julian},
        TextCase{"MonthName", QVariant(42430.0), "d mmm yy", false, "1 Mar 16"},
        TextCase{"YearFirst", QVariant(42794), "yyyy-mm-dd", false, "2017-02-28"},
        TextCase{"DateBlankZero", QVariant(0), "dd/mm/yyyy", true, ""},
        TextCase{"Suffix", QVariant(25.992), "0.0", false, "26.0 %", DayCount::Serial, " %"},
        TextCase{"NoSuffixOnNothing", QVariant(0.0), "0.0", true, "", DayCount::Serial, " %"}),
    [](const auto &row) { return std::string(row.param.name); });

TEST(LayoutFields, AFieldMissingFromTheDataIsNamedWithItsLine) {
    const auto layout =
        parseOk(kHead + QStringLiteral("\nband title 20\nfield 0 0 50 5 Heading\n"
                                       "band detail 5 table=Amort\nfield 0 0 50 5 Capitl"));
    ASSERT_TRUE(layout);
    ReportSource source;
    source.record = {{QStringLiteral("heading"), QStringLiteral("x")}}; // names match in any case
    EXPECT_TRUE(missingField(*layout, source).isEmpty()) << "no rows, nothing to check";
    source.rows = {{{QStringLiteral("Capital"), 1.0}}};
    EXPECT_EQ(missingField(*layout, source),
              QStringLiteral("line 8: the field \"Capitl\" is not in table \"Amort\""));
    source.record.clear();
    EXPECT_EQ(missingField(*layout, source),
              QStringLiteral("line 6: the field \"Heading\" is not in table \"Loans\""));
}

// Styles, the row cursor and a section, with every position worked out by hand: the section
// starts 4 mm down and pads 2 mm; rows are 6 mm; the total row is 10 mm.
TEST(LayoutCursor, PlacesRowsSectionsAndStyles) {
    const auto layout =
        parseOk(kHead + u'\n' +
                lines({
                    "style money format=\"0.00\" color=#222222",
                    "style sign color=#555555",
                    "style total style=money size=12 bold",
                    "style group pen=0.3 divider=#cccccc pad=2 accent=#112233",
                    "columns caption=5 sign=100 value=110 end=170 height=6 signstyle=sign "
                    "valuestyle=money",
                    "band title 100",
                    "  gap 4",
                    "  section style=group",
                    "    row Heading Num1",
                    "    row \"Rate ({Num3}%)\" Num2 sign=\"\" align=left",
                    "  end",
                    "  row Heading Num4 style=total color=#ff0000 height=10 fill=#eeeeee",
                    "  field 0 @2 50 5 Num1 style=money format=\"dd/mm/yyyy\" days=julian",
                    "  rule pen=0.5",
                }));
    ASSERT_TRUE(layout);
    struct Placed {
        ItemKind kind;
        QRectF rect; // a line's end points as a rectangle
        const char *what;
    };
    const Placed expected[] = {
        {ItemKind::Field, {5, 6, 95, 6}, "Heading"},
        {ItemKind::Text, {100, 6, 10, 6}, "R"},
        {ItemKind::Field, {110, 6, 60, 6}, "Num1"},
        {ItemKind::Line, {4, 12, 166, 0}, "divider"},
        {ItemKind::Text, {5, 12, 95, 6}, "Rate ({Num3}%)"},
        {ItemKind::Field, {110, 12, 60, 6}, "Num2"},
        {ItemKind::Box, {0, 4, 180, 16}, "outline"},
        {ItemKind::Box, {0, 4, 1.6, 16}, "accent"},
        {ItemKind::Box, {0, 20, 180, 10}, "row fill"},
        {ItemKind::Field, {5, 20, 95, 10}, "Heading"},
        {ItemKind::Text, {100, 20, 10, 10}, "R"},
        {ItemKind::Field, {110, 20, 60, 10}, "Num4"},
        {ItemKind::Field, {0, 32, 50, 5}, "Num1"},
        {ItemKind::Line, {0, 30, 180, 0}, "rule"},
    };
    const auto &items = layout->band(BandKind::Title)->items;
    ASSERT_EQ(items.size(), std::size(expected));
    for (std::size_t i = 0; i < items.size(); ++i) {
        const LayoutItem &item = items[i];
        const QRectF at =
            item.kind == ItemKind::Line ? QRectF(item.segment.p1(), item.segment.p2()) : item.rect;
        EXPECT_EQ(item.kind, expected[i].kind) << i << " " << expected[i].what;
        EXPECT_EQ(at, expected[i].rect) << i << " " << expected[i].what;
        if (item.kind == ItemKind::Field || item.kind == ItemKind::Text) {
            const QString &name = item.kind == ItemKind::Field ? item.field : item.text;
            EXPECT_EQ(name, QString::fromUtf8(expected[i].what)) << i;
        }
    }
    // Part styles, then the row's style, then what the row says.
    EXPECT_EQ(items[1].color, QColor(0x55, 0x55, 0x55));
    EXPECT_EQ(items[2].align, Qt::AlignRight);
    EXPECT_EQ(items[2].format, QStringLiteral("0.00"));
    EXPECT_EQ(items[2].color, QColor(0x22, 0x22, 0x22));
    EXPECT_EQ(items[3].color, QColor(0xcc, 0xcc, 0xcc));
    EXPECT_EQ(items[5].align, Qt::AlignLeft);
    EXPECT_DOUBLE_EQ(items[6].pen, 0.3);
    EXPECT_EQ(items[7].fill, QColor(0x11, 0x22, 0x33));
    for (std::size_t i : {9u, 10u, 11u}) {
        EXPECT_TRUE(items[i].bold) << i;
        EXPECT_DOUBLE_EQ(items[i].fontSize, 12) << i;
        EXPECT_EQ(items[i].color, QColor(0xff, 0, 0)) << i;
    }
    EXPECT_TRUE(items[9].format.isEmpty()) << "a caption takes no number format";
    EXPECT_EQ(items[11].format, QStringLiteral("0.00"));
    EXPECT_EQ(items[12].format, QStringLiteral("dd/mm/yyyy"));
    EXPECT_EQ(items[12].days, DayCount::Julian);
    EXPECT_DOUBLE_EQ(items[13].pen, 0.5);
}

// A "when" block with nothing to print takes no room: its items go and what lies below it
// moves up by its height (a 3 mm gap and two 5 mm rows: 13 mm).
TEST(LayoutBlocks, ABlockWithNothingToPrintGivesUpItsRoom) {
    const auto layout = parseOk(
        kHead + u'\n' +
        lines({"columns caption=5 sign=100 value=110 end=170 height=5", "band title 60",
               "  row \"Top\" Num1", "  when Extra", "    gap 3", "    row \"One\" Num2",
               "    row \"Two\" Num3", "  end", "  row \"Bottom\" Num4", "  box 0 0 180 60"}));
    ASSERT_TRUE(layout);
    const LayoutBand &band = *layout->band(BandKind::Title);
    const auto topOf = [](const std::vector<LayoutItem> &items, const char *field) {
        for (const LayoutItem &item : items)
            if (item.field == QLatin1String(field))
                return item.rect.top();
        return -1.0;
    };
    struct Case {
        QVariant extra;
        double bottomTop; // where the last row's value stands
        bool blockShown;
    };
    for (const Case &c : {Case{QStringLiteral("Other expenses"), 18, true},
                          Case{QString(), 5, false}, Case{0.0, 5, false}, Case{12.5, 18, true}}) {
        SCOPED_TRACE(c.extra.toString().toStdString());
        const ReportRecord record{{QStringLiteral("Extra"), c.extra}};
        const std::vector<LayoutItem> items = itemsToDraw(band, &record);
        EXPECT_EQ(topOf(items, "Num4"), c.bottomTop);
        EXPECT_EQ(topOf(items, "Num2") >= 0, c.blockShown);
        EXPECT_EQ(topOf(items, "Num1"), 0);
        EXPECT_EQ(items.back().rect, QRectF(0, 0, 180, 60)) << "a box from above stays put";
    }
    ReportSource source;
    source.record = {{QStringLiteral("Num1"), 1.0}};
    EXPECT_EQ(missingField(*layout, source),
              QStringLiteral("line 8: the field \"Extra\" is not in table \"Loans\""));
}

TEST(LayoutFields, ACaptionReadsTheFieldsInItsBraces) {
    const auto layout =
        parseOk(kHead + QStringLiteral("\nband title 20\n"
                                       "text 0 0 90 5 \"{page} of {Num3} {Nope}\""));
    ASSERT_TRUE(layout);
    ReportSource source;
    source.record = {{QStringLiteral("Num3"), 36.0}};
    EXPECT_EQ(missingField(*layout, source),
              QStringLiteral("line 6: the field \"Nope\" is not in table \"Loans\""));
}

} // namespace

namespace {

// The example in docs/report-layouts.md must stay a layout this parser accepts.
TEST(LayoutParser, TheDocumentedExampleParses) {
    QFile doc(QStringLiteral(QUILLON_SOURCE_DIR "/docs/report-layouts.md"));
    ASSERT_TRUE(doc.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(doc.readAll());
    const qsizetype start = text.indexOf(QStringLiteral("```\n"));
    const qsizetype end = text.indexOf(QStringLiteral("```"), start + 4);
    ASSERT_GT(start, 0);
    ASSERT_GT(end, start);
    const auto layout = parseOk(text.mid(start + 4, end - start - 4));
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->detailTable(), QStringLiteral("Amort"));
}

} // namespace
