#include "business/LoanReport.h"
#include "report/LayoutParser.h"
#include "report/PdfExport.h"
#include "report/ReportDatabase.h"

#include "PayePrints.h"
#include "ReportTestSupport.h"

#include <QBuffer>
#include <QDate>
#include <QFontMetricsF>
#include <QPdfWriter>

#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::report;
using quillon::test::PayePrint;
using quillon::test::ReportFolder;

namespace {

QString layoutPath(const QString &name) {
    return test::sourcePath(QStringLiteral("data/layouts/") + name);
}

ReportLayout parsed(const QString &name) {
    QString error;
    const auto layout = LayoutParser::parseFile(layoutPath(name), &error);
    EXPECT_TRUE(layout) << error.toStdString();
    return layout ? *layout : ReportLayout{};
}

// Every delivered layout reads only columns that the delivered report database has.
TEST(DeliveredLayouts, ParseAndReadOnlyColumnsOfTheirTables) {
    ReportFolder folder;
    ReportDatabase db(folder.databasePath());
    const QStringList names = QDir(test::sourcePath(QStringLiteral("data/layouts")))
                                  .entryList({QStringLiteral("*.rpt")}, QDir::Files);
    EXPECT_GE(names.size(), 6);
    auto blankRecord = [&db](const QString &table) {
        ReportRecord record;
        const auto columns = db.columns(table);
        EXPECT_TRUE(columns) << table.toStdString() << ": " << db.error().toStdString();
        for (const QString &c : columns.value_or(std::vector<QString>{}))
            record.push_back({c, QVariant()});
        return record;
    };
    for (const QString &name : names) {
        const ReportLayout layout = parsed(name);
        ReportSource source;
        source.record = blankRecord(layout.table);
        source.rows = {blankRecord(layout.detailTable())};
        EXPECT_EQ(missingField(layout, source), QString()) << name.toStdString();
    }
}

const PayePrint &printFor(const char *layout) {
    for (const PayePrint &p : test::payePrints())
        if (qstrcmp(p.layout, layout) == 0)
            return p;
    throw std::logic_error("no such print");
}

struct PdfCase {
    const char *name;
    const char *layout;
    PrintLanguage language;
    std::vector<const char *> expected;
};

class PayeLayoutPdf : public ::testing::TestWithParam<PdfCase> {};

TEST_P(PayeLayoutPdf, PrintsCaptionsAndFiguresOnOnePage) {
    const PdfCase &c = GetParam();
    ReportFolder folder;
    const QString pdf = folder.path(QStringLiteral("print.pdf"));
    QString error;
    ASSERT_TRUE(renderToPdf(layoutPath(QString::fromLatin1(c.layout)),
                            {printFor(c.layout).data(c.language)}, pdf, &error))
        << error.toStdString();
    const test::PdfText read = test::readPdf(pdf);
    EXPECT_EQ(read.pages, 1);
    for (const char *text : c.expected)
        EXPECT_TRUE(read.text.contains(QString::fromUtf8(text))) << text << "\n"
                                                                 << read.text.toStdString();
    // The footer carries the day of printing.
    EXPECT_TRUE(read.text.contains(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"))))
        << read.text.toStdString();
    // Qt PDF reads ligatures back as letters; poppler, like most readers' search, does not. No
    // "fi" or "fl" may be set as one glyph.
    const QString searchable = test::popplerText(pdf);
    EXPECT_FALSE(searchable.contains(QChar(0xFB01)) || searchable.contains(QChar(0xFB02)));
    for (const char *text : c.expected)
        if (QByteArray(text).contains("fi") || QByteArray(text).contains("fl")) {
            EXPECT_TRUE(searchable.contains(QString::fromUtf8(text))) << text;
        }
}

constexpr auto En = PrintLanguage::English;
constexpr auto Af = PrintLanguage::Afrikaans;

// Amounts are the typed inputs; the credits and taxes are the worked figures of each calculator.
INSTANTIATE_TEST_SUITE_P(
    Layouts, PayeLayoutPdf,
    ::testing::Values(
        PdfCase{"MonthlyEnglish",
                "Monthly.rpt",
                En,
                {"Monthly Check",
                 "For : Thandi Mokoena",
                 "Age :",
                 "67",
                 "01/03/2016",
                 "31/03/2016",
                 "Remuneration/salary",
                 "30 000.00",
                 "Travel allowance",
                 "4 000.00",
                 "3 200.00",
                 "Bonus",
                 "10 000.00",
                 "U.I.F. contribution employer",
                 "S.D.L.",
                 "Medical aid fund beneficiaries",
                 "Tax credits for beneficiaries",
                 "764.00",
                 "Total tax deduction",
                 "(E.& O.E.)",
                 "1/1"}},
        PdfCase{"MonthlyAfrikaans",
                "Monthly.rpt",
                Af,
                {"Maandelikse Inkomste", "Vir : Thandi Mokoena", "Ouderdom :", "Begin datum",
                 "Besoldiging", "Reistoelae", "U.I.F. bydrae werknemer",
                 "Getal mediesefondslede en afhanklikes", "Belastingkrediete vir begunstigdes",
                 "764.00", "Totaal belasting", "(B.& F.W.)"}},
        PdfCase{"WeeklyEnglish",
                "Weekly.rpt",
                En,
                {"Weekly Check", "Normal work week", "This work week", "5 000.00",
                 "Travel allowance", "71.50", "Total tax deduction"}},
        PdfCase{"WeeklyAfrikaans",
                "Weekly.rpt",
                Af,
                {"Weeklikse Inkomste", "Normale werk week", "Hierdie werk week",
                 "Reistoelae ontvang", "71.50", "Totaal belasting"}},
        PdfCase{"FortnightlyEnglish",
                "FortNightly.rpt",
                En,
                {"Fortnightly Check", "Normal fortnight", "This fortnight", "10 000.00", "382.00"}},
        PdfCase{"FortnightlyAfrikaans",
                "FortNightly.rpt",
                Af,
                {"Twee Weeklikse Inkomste", "Normale twee weke", "Hierdie twee weke", "382.00"}},
        PdfCase{"DailyEnglish",
                "Daily.rpt",
                En,
                {"Daily Check", "200.00", "5 000.00", "Tax liability", "884.08", "(E.& O.E.)"}},
        PdfCase{"DailyAfrikaans",
                "Daily.rpt",
                Af,
                {"Daaglikse Inkomste", "Belasting verpligting", "884.08", "(B.& F.W.)"}},
        PdfCase{"QuickTax",
                "kwiktep.rpt",
                En,
                {"QuickTax",
                 "For : Thandi Mokoena",
                 "Taxable Income",
                 "500 000.00",
                 "Age",
                 "70",
                 "Tax on taxable income",
                 "96 264.00",
                 "+ Portion @ M/Rate (36%)",
                 "33 696.00",
                 "Total tax",
                 "129 960.00",
                 "Less rebates",
                 "20 907.00",
                 "Tax commitment",
                 "109 053.00",
                 "Monthly tax commitment",
                 "9 087.75",
                 "Average rate before rebates",
                 "26.0 %",
                 "Average rate after rebates",
                 "21.8 %",
                 "(E.& O.E.)"}},
        PdfCase{"DailyBalance",
                "DayBal.rpt",
                En,
                {"Daily Balance", "500 000.00", "12.500 % p.a.", "01/03/2014", "28/02/2017",
                 "1095 days", "187 500.00"}},
        PdfCase{"Inflation",
                "Inflatin.rpt",
                En,
                {"Inflation", "1 000", "2 year/s", "10.000 % p.a.", "1 210", "826"}},
        PdfCase{"LoanBuster",
                "loanbuster.rpt",
                En,
                {"Loan Buster", "100 000.00", "240 months", "1 101.09", "200.34", "147 months",
                 "1 301.43", "72 951.03"}},
        PdfCase{
            "LoanComparison",
            "LoanComparison.rpt",
            En,
            {"Loan Comparison", "100 000.00", "12.000 % p.a.", "20 yrs.", "1 101.09", "30 yrs."}},
        // With a car (that adds its benefit to the tax) and one other expense.
        PdfCase{"BrisvaneAnnual",
                "Brisvane.rpt",
                En,
                {"Brisvane Salary Package Calculation : Annual", "Thandi Mokoena",
                 "Cost to company", "Total package amount", "300 000.00", "Cellphone", "500.00",
                 "(plus a 'once-off' cost of R 250000", "Net salary (take-home)",
                 "Total cost to company", "(E.& O.E.)", "1/1"}},
        PdfCase{"QuillonAnnual",
                "Quillon.rpt",
                En,
                {"Quillon Salary Package Calculation : Annual", "Net annual salary required",
                 "200 000.00", "Medical deductions", "Medical beneficiaries months", "Gross salary",
                 "Total cost to company", "1/1"}}),
    [](const auto &row) { return std::string(row.param.name); });

// --- Largest values ---

// Where a text lands across its item's box, in millimetres, for the font the renderer uses.
struct Extent {
    double left = 0;
    double right = 0;
    QRectF box;
    int line = 0;
};

class TextMeasure {
public:
    TextMeasure() : m_writer(&m_buffer) { m_writer.setResolution(300); }

    Extent extent(const ReportLayout &layout, const LayoutItem &item, const QString &text) {
        QFont font(layout.fontFamily);
        font.setPointSizeF(item.fontSize > 0 ? item.fontSize : layout.fontSize);
        font.setBold(item.bold);
        font.setItalic(item.italic);
        const double width =
            QFontMetricsF(font, &m_writer).horizontalAdvance(text) * 25.4 / m_writer.resolution();
        const QRectF &r = item.rect;
        Extent e{r.left(), r.left() + width, r, item.line};
        if (item.align & Qt::AlignRight)
            e = {r.right() - width, r.right(), r, item.line};
        else if (item.align & Qt::AlignHCenter)
            e = {r.center().x() - width / 2, r.center().x() + width / 2, r, item.line};
        return e;
    }

private:
    QBuffer m_buffer;
    QPdfWriter m_writer;
};

// The record with every number at the largest the input fields allow (twelve digits of rand,
// 16-bit counts) and the longest name the print panel takes.
ReportRecord atMaxima(ReportRecord record) {
    for (ReportField &f : record) {
        // The package record holds the 16-bit age as a number.
        if (f.value.typeId() == QMetaType::Int || f.name == QLatin1String("TPAge"))
            f.value = 32767;
        else if (f.value.typeId() == QMetaType::Double)
            f.value = 999999999999.99;
        else if (f.name == QLatin1String("Employee") || f.name == QLatin1String("TPName"))
            f.value = f.value.toString().replace(test::kSampleEmployee,
                                                 QStringLiteral("Nomvula Charlotte van der "
                                                                "Westhuizen-Mabuza Dlamin"));
    }
    return record;
}

QString printedText(const LayoutItem &item, const ReportRecord &record) {
    auto value = [&record](const QString &name) {
        for (const ReportField &f : record)
            if (f.name.compare(name, Qt::CaseInsensitive) == 0)
                return f.value;
        return QVariant();
    };
    if (item.kind == ItemKind::Field)
        return fieldText(item, value(item.field));
    QString text = item.text;
    text.replace(QStringLiteral("{page}"), QStringLiteral("99"));
    text.replace(QStringLiteral("{pages}"), QStringLiteral("99"));
    for (const QString &name : embeddedFields(item.text))
        text.replace(u'{' + name + u'}', fieldText(LayoutItem{}, value(name)));
    return text;
}

constexpr double kClearance = 1.0; // mm between texts side by side

// Every text of the layout, filled from `record`, fits its box and clears the texts beside it.
void expectTextsFit(const char *name, const ReportLayout &layout, const ReportRecord &record,
                    TextMeasure &measure) {
    for (const auto &band : layout.bands) {
        if (!band)
            continue;
        std::vector<Extent> texts;
        for (const LayoutItem &item : band->items) {
            if (item.kind != ItemKind::Text && item.kind != ItemKind::Field)
                continue;
            const QString text = printedText(item, record);
            if (text.trimmed().isEmpty())
                continue;
            const Extent e = measure.extent(layout, item, text);
            EXPECT_LE(e.right - e.left, item.rect.width())
                << name << " line " << item.line << ": \"" << text.toStdString() << "\" is cut off";
            texts.push_back(e);
        }
        for (std::size_t i = 0; i < texts.size(); ++i)
            for (std::size_t j = i + 1; j < texts.size(); ++j) {
                const Extent &a = texts[i], &b = texts[j];
                const bool sameRow =
                    a.box.top() < b.box.bottom() - 0.01 && b.box.top() < a.box.bottom() - 0.01;
                const bool clear = a.right + kClearance <= b.left || b.right + kClearance <= a.left;
                EXPECT_TRUE(!sameRow || clear) << name << ": line " << a.line << " and line "
                                               << b.line << " run into each other";
            }
    }
}

TEST(PayeLayoutMaxima, EveryTextFitsItsBoxAndClearsItsNeighbours) {
    std::vector<PayePrint> prints = test::payePrints();
    prints.push_back({"Annual.rpt", test::annualPrint});
    TextMeasure measure;
    for (const PayePrint &print : prints) {
        const ReportLayout layout = parsed(QString::fromLatin1(print.layout));
        for (PrintLanguage language : {En, Af})
            expectTextsFit(print.layout, layout, atMaxima(print.data(language).record), measure);
    }
}

// The loan printouts at the largest figures the loan window allows: a principal of
// 99 999 999.99, 600 months, a solved rate up to the search's 999.99 %, a repayment of
// 9 999 999.99 and its totals; the schedule lines at the principal.
TEST(LoanLayoutMaxima, EveryTextFitsItsBoxAndClearsItsNeighbours) {
    ReportRecord record =
        business::loansRecord({business::LoanMode::Rate, 99999999.99, 600, 999.99, 9999999.99, true,
                               business::Amortisation::Monthly});
    record.push_back({QStringLiteral("Year"), 600});
    for (const char *amount : {"Capital", "Interest", "Required"})
        record.push_back({QString::fromLatin1(amount), 99999999.99});
    TextMeasure measure;
    for (const char *name : {"Lonrepa.rpt", "LonrepaA.rpt", "LonPrAm.rpt", "LonPrAmA.rpt",
                             "LonRPer.rpt", "LonRPerA.rpt", "LonInRt.rpt", "LonInRtA.rpt"})
        expectTextsFit(name, parsed(QString::fromLatin1(name)), record, measure);
}

} // namespace
