#include "report/LayoutParser.h"
#include "report/PdfExport.h"
#include "report/ReportDatabase.h"

#include "PayePrints.h"
#include "ReportTestSupport.h"

#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::report;
using quillon::test::annualPrint;
using quillon::test::ReportFolder;

namespace {

QString annualLayout() {
    return test::sourcePath(QStringLiteral("data/layouts/Annual.rpt"));
}

struct LanguageCase {
    const char *name;
    PrintLanguage language;
    std::vector<const char *> expected;
};

class AnnualPdf : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(AnnualPdf, CarriesTheCaptionsAndFiguresOnOnePage) {
    ReportFolder folder;
    const QString pdf = folder.path(QStringLiteral("annual.pdf"));
    QString error;
    ASSERT_TRUE(renderToPdf(annualLayout(), {annualPrint(GetParam().language)}, pdf, &error))
        << error.toStdString();
    const test::PdfText read = test::readPdf(pdf);
    EXPECT_EQ(read.pages, 1);
    for (const char *text : GetParam().expected)
        EXPECT_TRUE(read.text.contains(QString::fromUtf8(text))) << text << "\n"
                                                                 << read.text.toStdString();
}

// 300000 + 12000 fringe benefit - 20000 deduction = 292000; bonus on top; credit 12 x 572.
INSTANTIATE_TEST_SUITE_P(Languages, AnnualPdf,
                         ::testing::Values(LanguageCase{"English",
                                                        PrintLanguage::English,
                                                        {"Annual Check",
                                                         "For : Thandi Mokoena",
                                                         "Age :",
                                                         "40",
                                                         "Remuneration/salary",
                                                         "300 000.00",
                                                         "Bonus",
                                                         "25 000.00",
                                                         "Employer's med aid contrib.",
                                                         "12 000.00",
                                                         "Employee's R/Fund contributions",
                                                         "20 000.00",
                                                         "Tax credits for beneficiaries",
                                                         "6 864.00",
                                                         "Total tax deduction",
                                                         "PAYE",
                                                         "Number of Medical Aid Beneficiaries",
                                                         "Mar",
                                                         "Oct",
                                                         "Feb",
                                                         "01/03/2016",
                                                         "28/02/2017",
                                                         "(E.& O.E.)"}},
                                           LanguageCase{
                                               "Afrikaans",
                                               PrintLanguage::Afrikaans,
                                               {"Jaarlikse Inkomste", "Vir : Thandi Mokoena",
                                                "Ouderdom :", "Besoldiging", "300 000.00",
                                                "Werkgewer se bydrae aan mediesefonds",
                                                "Belastingkrediete vir begunstigdes", "6 864.00",
                                                "Totaal", "LBS", "SIBW", "Mei", "Okt",
                                                "Begin datum", "Eind datum", "(B.& F.W.)"}}),
                         [](const auto &row) { return std::string(row.param.name); });

TEST(AnnualPrint, TheLayoutReadsOnlyColumnsTheReportDatabaseHas) {
    // Every field the annual print writes is a column of IRP5Ann, and the layout prints from
    // the record read back.
    ReportFolder folder;
    ReportDatabase db(folder.databasePath());
    ASSERT_TRUE(db.write(annualPrint(PrintLanguage::Afrikaans))) << db.error().toStdString();
    const auto record = db.readFirstRecord(QStringLiteral("IRP5Ann"));
    ASSERT_TRUE(record);
    QString error;
    const auto layout = LayoutParser::parseFile(annualLayout(), &error);
    ASSERT_TRUE(layout) << error.toStdString();
    ReportSource source;
    source.record = *record;
    EXPECT_EQ(missingField(*layout, source), QString());
}

struct PdfFailure {
    const char *name;
    QString layout; // relative to the test folder, or text to write as Bad.rpt
    QString table;
    const char *message;
};

TEST(AnnualPrint, PdfFailuresAreReportedNotWritten) {
    ReportFolder folder;
    folder.writeFile(QStringLiteral("Bad.rpt"),
                     QStringLiteral("quillon-layout 1\ntable IRP5Ann\nband title 10\n"
                                    "field 0 0 10 5 NoSuchField"));
    const std::vector<PdfFailure> cases = {
        {"MissingLayout", folder.path(QStringLiteral("Nothing.rpt")), paye::kAnnualTable,
         "was not found"},
        {"FieldNotInData", folder.path(QStringLiteral("Bad.rpt")), paye::kAnnualTable,
         "line 4: the field \"NoSuchField\""},
        {"OtherTable", annualLayout(), QStringLiteral("IRP5Mon"),
         "the print writes no table \"IRP5Ann\" (it writes \"IRP5Mon\")"},
    };
    for (const PdfFailure &c : cases) {
        ReportData data = annualPrint(PrintLanguage::English);
        data.table = c.table;
        const QString pdf = folder.path(QString::fromLatin1(c.name) + QStringLiteral(".pdf"));
        QString error;
        EXPECT_FALSE(renderToPdf(c.layout, {data}, pdf, &error)) << c.name;
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.message)))
            << c.name << ": " << error.toStdString();
        EXPECT_FALSE(QFile::exists(pdf)) << c.name;
    }
    QString error;
    EXPECT_FALSE(renderToPdf(annualLayout(), {annualPrint(PrintLanguage::English)},
                             folder.path(QStringLiteral("no/such/folder/a.pdf")), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("folder does not exist"))) << error.toStdString();
}

} // namespace
