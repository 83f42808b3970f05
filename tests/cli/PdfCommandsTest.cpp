#include "cli/CliRun.h"
#include "common/TestData.h"
#include "report/ReportTestSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quillon;

namespace {

void registerPrintingCommands(cli::CommandRegistry &registry) {
    cli::registerPayeCommands(registry);
    cli::registerVehicleCommands(registry);
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

} // namespace
