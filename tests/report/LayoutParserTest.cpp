#include "report/LayoutParser.h"
#include "report/ReportRenderer.h"

#include <QFile>

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
        BadLayout{"MarginsFillThePage",
                  kHead.left(kHead.lastIndexOf(u'\n')) + QStringLiteral("\nmargins 100 10 110 10"),
                  4, "no room"}),
    [](const auto &row) { return std::string(row.param.name); });

TEST(LayoutParser, MissingFileIsNamed) {
    QString error;
    EXPECT_FALSE(LayoutParser::parseFile(QStringLiteral("/nonexistent/Annual.rpt"), &error));
    EXPECT_EQ(error, QStringLiteral("The report layout /nonexistent/Annual.rpt was not found."));
}

// Page breaks for a schedule: frame 277 mm, header 20, footer 10, detail 10 leaves room for
// 24 rows on a following page and 24 - 3 on the first (the title takes 30 mm).
ReportLayout schedule(bool withSummary) {
    QString text =
        kHead + QStringLiteral("\nband title 30\nband header 20\nband detail 10\nband footer 10");
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
        std::size_t details = 0, headers = 0, footers = 0, titles = 0;
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
            }
        }
        EXPECT_EQ(details, c.detailRowsPerPage[p]) << "page " << p + 1;
        EXPECT_EQ(headers, 1u) << "the header repeats on page " << p + 1;
        EXPECT_EQ(footers, 1u);
        EXPECT_EQ(titles, p == 0 ? 1u : 0u);
    }
    EXPECT_EQ(nextRow, static_cast<int>(c.rows));
}

INSTANTIATE_TEST_SUITE_P(Rows, PagePlanning,
                         ::testing::Values(PlanCase{"NoRows", 0, false, {0}, -1},
                                           PlanCase{"FirstPageFull", 21, false, {21}, -1},
                                           PlanCase{"OneRowOver", 22, false, {21, 1}, -1},
                                           PlanCase{
                                               "ThreePages", 21 + 24 + 5, false, {21, 24, 5}, -1},
                                           PlanCase{"SummaryFits", 10, true, {10}, 0},
                                           PlanCase{"SummaryMovesOn", 20, true, {20, 0}, 1}),
                         [](const auto &row) { return std::string(row.param.name); });

struct TextCase {
    const char *name;
    QVariant value;
    const char *format;
    bool blankZero;
    const char *expected;
};

class FieldText : public ::testing::TestWithParam<TextCase> {};

TEST_P(FieldText, FormatsNumbersAndKeepsTexts) {
    LayoutItem item;
    item.kind = ItemKind::Field;
    item.format = QString::fromUtf8(GetParam().format);
    item.blankZero = GetParam().blankZero;
    EXPECT_EQ(fieldText(item, GetParam().value), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Values, FieldText,
    ::testing::Values(TextCase{"Amount", QVariant(1234567.891), "# ### ### ##0.00", false,
                               "1 234 567.89"},
                      TextCase{"IntegerAmount", QVariant(0), "# ### ### ##0.00", false, "0.00"},
                      TextCase{"Count", QVariant(qlonglong(24)), "0", false, "24"},
                      TextCase{"Unformatted", QVariant(123456.5), "", false, "123456.5"},
                      TextCase{"BlankZero", QVariant(0.0), "0.00", true, ""},
                      TextCase{"BlankZeroKeepsOthers", QVariant(-5.0), "0.00", true, "-5.00"},
                      TextCase{"TextAsStored", QVariant(QStringLiteral("01/03/2016")), "0.00",
                               false, "01/03/2016"},
                      TextCase{"Null", QVariant(), "0.00", false, ""}),
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
