#include "cli/CliRun.h"
#include "common/TestData.h"
#include "report/ReportTestSupport.h"

#include <QDir>
#include <QFile>
#include <QPdfDocument>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quillon;

namespace {

void registerPrintingCommands(cli::CommandRegistry &registry) {
    cli::registerPayeCommands(registry);
    cli::registerVehicleCommands(registry);
    cli::registerBusinessCommands(registry);
    cli::registerPackageCommands(registry);
}

// Every command with a printout hands its job to the one renderer. The data folder holds the
// annual layout only, so the others must fail naming the layout their job asks for.
TEST(PdfCommands, EveryPrintoutReachesTheRendererWithItsLayout) {
    QTemporaryDir data;
    ASSERT_TRUE(QFile::copy(test::sourcePath(QStringLiteral("data/layouts/Annual.rpt")),
                            data.filePath(QStringLiteral("Annual.rpt"))));
    struct Case {
        const char *command;
        const char *input;
        const char *lang;
        const char *layout;  // missing from the folder; null when the PDF is written
        const char *printed; // a text of the written PDF
    };
    const char *annual = R"({"salary":300000,"age":40,"employeeName":"T. Mokoena"})";
    const Case cases[] = {
        {"annual", annual, "en", nullptr, "For : T. Mokoena"},
        {"annual", annual, "af", nullptr, "Jaarlikse Inkomste"},
        {"annual", annual, "en", nullptr, "300 000.00"},
        {"monthly", "{}", "af", "Monthly.rpt", nullptr},
        {"fortnightly", "{}", "en", "FortNightly.rpt", nullptr},
        {"weekly", "{}", "en", "Weekly.rpt", nullptr},
        {"daily", "{}", "en", "Daily.rpt", nullptr},
        {"quicktax", R"({"taxableIncome":100000})", "en", "kwiktep.rpt", nullptr},
        {"car-allowance", "{}", "en", "caepnrk.rpt", nullptr},
        {"car-allowance", R"({"accurateRecordKept":true})", "en", "caeprk.rpt", nullptr},
        {"company-car", R"({"vehicles":[{"price":100000}]})", "en", "compcar.rpt", nullptr},
        {"brisvane-annual", R"({"package":1})", "en", "Brisvane.rpt", nullptr},
        {"brisvane-monthly", R"({"package":1})", "en", "Brisvane.rpt", nullptr},
        {"quillon-annual", R"({"netRequired":1})", "en", "Quillon.rpt", nullptr},
        {"quillon-monthly", R"({"netRequired":1})", "en", "Quillon.rpt", nullptr},
    };
    int n = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.command) + " --lang " + c.lang);
        const QString pdf = data.filePath(QStringLiteral("out%1.pdf").arg(++n));
        const test::CliRun r = test::runCli(
            &registerPrintingCommands, QString::fromLatin1(c.command), QString::fromLatin1(c.input),
            {QStringLiteral("--pdf"), pdf, QStringLiteral("--lang"), QString::fromLatin1(c.lang),
             QStringLiteral("--data"), data.path()});
        if (c.layout) {
            EXPECT_EQ(r.code, 1);
            const QString missing = QStringLiteral("The report layout %1 was not found.")
                                        .arg(data.filePath(QString::fromLatin1(c.layout)));
            EXPECT_TRUE(r.err.contains(missing)) << r.err.toStdString();
            EXPECT_FALSE(QFile::exists(pdf));
        } else {
            ASSERT_EQ(r.code, 0) << r.err.toStdString();
            EXPECT_TRUE(r.json().contains(QStringLiteral("paye")));
            EXPECT_TRUE(test::readPdf(pdf).text.contains(QString::fromUtf8(c.printed)));
        }
    }
}

// The vehicle printouts through their delivered layouts carry the worked figures; a company
// car list prints one vehicle per page.
TEST(PdfCommands, VehiclePrintoutsCarryTheirFigures) {
    QTemporaryDir data;
    for (const char *layout : {"caepnrk.rpt", "caeprk.rpt", "compcar.rpt"})
        ASSERT_TRUE(QFile::copy(
            test::sourcePath(QStringLiteral("data/layouts/") + QString::fromLatin1(layout)),
            data.filePath(QString::fromLatin1(layout))));
    const char *vehicle =
        R"({"registration":"%1","price":300000,"startMileage":10000,"endMileage":40000,)"
        R"("businessDistance":12000,"logBook":true,"fuelPaidByEmployee":20000,)"
        R"("fuelReimbursed":5000,"insurancePaid":6000,"licencePaid":1000})";
    const QString three = QStringLiteral(R"({"actual3802":126000,"vehicles":[%1,%2,%3]})")
                              .arg(QString::fromLatin1(vehicle).arg(QStringLiteral("CA 1")),
                                   QString::fromLatin1(vehicle).arg(QStringLiteral("CA 2")),
                                   QString::fromLatin1(vehicle).arg(QStringLiteral("CA 3")));
    const QString one = QStringLiteral(R"({"actual3802":126000,"vehicles":[%1]})")
                            .arg(QString::fromLatin1(vehicle).arg(QStringLiteral("CA 1")));
    struct Case {
        const char *command;
        QString input;
        int pages;
        std::vector<const char *> printed;
    };
    const Case cases[] = {
        {"car-allowance",
         QStringLiteral(R"({"vehicleValue":200000,"closeKm":30000,"businessKm":20000,)"
                        R"("carDescription":"Sedan","employeeName":"T. Mokoena"})"),
         1,
         {"For : T. Mokoena", "Car : Sedan", "200 000.00", "228.9", "371.4", "74 289.32",
          "01/03/2016 to 28/02/2017"}},
        {"car-allowance",
         QStringLiteral(R"({"accurateRecordKept":true,"closeKm":30000,"businessKm":12000,)"
                        R"("fuelOil":90000})"),
         1,
         {"actual cost", "90 000.00", "54 000.00", "36 000.00"}},
        {"company-car",
         one,
         1,
         {"Vehicle number 1 of 1", "CA 1", "75 600.00", "13 200.00", "-63 600.00", "126 000.00",
          "3 876.80", "484.60"}},
        {"company-car", three, 3, {"Vehicle number 3 of 3", "CA 3"}},
    };
    int n = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(n);
        const QString pdf = data.filePath(QStringLiteral("vehicle%1.pdf").arg(++n));
        const test::CliRun r =
            test::runCli(&registerPrintingCommands, QString::fromLatin1(c.command), c.input,
                         {QStringLiteral("--pdf"), pdf, QStringLiteral("--data"), data.path()});
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        const test::PdfText read = test::readPdf(pdf);
        EXPECT_EQ(read.pages, c.pages);
        for (const char *text : c.printed)
            EXPECT_TRUE(read.text.contains(QString::fromUtf8(text))) << text << "\n"
                                                                     << read.text.toStdString();
    }
}

// A loan prints its figures; a 600-month schedule runs over pages, each under the column
// headings, down to the last month.
TEST(PdfCommands, LoanScheduleRunsOverPagesUnderItsHeadings) {
    QTemporaryDir data;
    const QDir layouts(test::sourcePath(QStringLiteral("data/layouts")));
    for (const QString &name :
         layouts.entryList({QStringLiteral("Lonrepa*.rpt"), QStringLiteral("loan-*.inc")}))
        ASSERT_TRUE(QFile::copy(layouts.filePath(name), data.filePath(name)));
    struct Case {
        const char *input;
        int pages;
        std::vector<const char *> printed;
    };
    const Case cases[] = {
        {R"({"principal":100000,"period":240,"rate":12})",
         1,
         {"Monthly repayment of a loan", "100 000.00", "240 months", "12.000 % p.a.", "1 101.09",
          "Total Interest", "164 260.67", "Total Repayments", "264 260.67"}},
        {R"({"principal":100000,"period":600,"rate":12,"schedule":"monthly"})",
         15,
         {"600 months", "1 002.56", "1 000.00", "99 997.44"}},
    };
    int n = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(n);
        const QString pdf = data.filePath(QStringLiteral("loan%1.pdf").arg(++n));
        const test::CliRun r = test::runCli(
            &registerPrintingCommands, QStringLiteral("loan"), QString::fromLatin1(c.input),
            {QStringLiteral("--pdf"), pdf, QStringLiteral("--data"), data.path()});
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        const test::PdfText read = test::readPdf(pdf);
        EXPECT_EQ(read.pages, c.pages);
        for (const char *text : c.printed)
            EXPECT_TRUE(read.text.contains(QString::fromUtf8(text))) << text;
    }
    QPdfDocument doc;
    ASSERT_EQ(doc.load(data.filePath(QStringLiteral("loan2.pdf"))), QPdfDocument::Error::None);
    for (int page = 0; page < doc.pageCount(); ++page) {
        // The bold headings come back a few letters at a time: compare without the breaks.
        const QString text =
            doc.getAllText(page).text().remove(QRegularExpression(QStringLiteral("\\s")));
        for (const char *heading : {"Month", "Capital", "Interest", "Balance"})
            EXPECT_TRUE(text.contains(QString::fromLatin1(heading))) << "page " << page + 1;
        // After the first page the loan stands above the headings.
        EXPECT_EQ(text.contains(QStringLiteral("PrincipalR100000.00Period600months")), page > 0)
            << "page " << page + 1;
    }
    // Month 600 repays R 992.63 of capital and R 9.93 of interest and leaves nothing.
    const QString last = doc.getAllText(doc.pageCount() - 1)
                             .text()
                             .remove(QRegularExpression(QStringLiteral("\\s")));
    EXPECT_TRUE(last.contains(QStringLiteral("600992.639.930.00")));
}

} // namespace
