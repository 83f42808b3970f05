#include "cli/CliRun.h"
#include "cli/Command.h"
#include "cli/Runner.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cmath>

using namespace quillon::cli;

namespace {

using quillon::test::CliRun;

CliRun run(const char *command, const char *input) {
    return quillon::test::runCli(&registerPackageCommands, QString::fromLatin1(command),
                                 QString::fromUtf8(input));
}

TEST(PackageCommands, WorkedFiguresThroughTheCommandLine) {
    struct Case {
        const char *command;
        const char *input;
        const char *key;
        double value;
    };
    const Case cases[] = {
        {"brisvane-annual", R"({"age":40,"package":300000})", "netSalary", 248435.36},
        {"brisvane-annual",
         R"({"age":70,"package":600000,"carValue":250000,"travelAllowance":60000,)"
         R"("medAidEmployee":30000,"beneficiaryMonths":24,"pensionCont":7.5,"employerPenCont":10})",
         "netSalary", 339532.224},
        {"brisvane-monthly", R"({"age":40,"package":15000})", "totalCostToCompany", 15298.72},
        {"quillon-annual", R"({"age":40,"netRequired":200000})", "grossSalary", 234114.54},
        {"quillon-annual", R"({"age":40,"netRequired":200000})", "gross", 234115},
        {"quillon-monthly", R"({"age":40,"netRequired":10000})", "totalCostToCompany", 11175.97},
        // Loading the settings applies the 27.5 ceiling.
        {"quillon-annual", R"({"netRequired":1000,"pensionCont":20,"employerPenCont":10})",
         "pensionCont", 0},
    };
    for (const Case &c : cases) {
        const CliRun r = run(c.command, c.input);
        ASSERT_EQ(r.code, 0) << c.command << ": " << r.err.toStdString();
        const QJsonObject o = r.json();
        ASSERT_TRUE(o.contains(QLatin1String(c.key))) << c.key;
        EXPECT_NEAR(o.value(QLatin1String(c.key)).toDouble(), c.value, 1e-6)
            << c.command << " " << c.key;
    }
}

TEST(PackageCommands, WindowStateAndRecordComeOut) {
    const CliRun r =
        run("brisvane-annual", R"({"package":300000,"carValue":250000,)"
                               R"("otherExpenses":[{"description":"Phone","amount":100}]})");
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QJsonObject o = r.json();
    EXPECT_TRUE(o.value(QLatin1String("onceOffShown")).toBool());
    EXPECT_EQ(o.value(QLatin1String("onceOff")).toDouble(), 250000);
    EXPECT_TRUE(o.value(QLatin1String("printEnabled")).toBool());
    // The window's geometry is the window's own, not part of the answer.
    EXPECT_FALSE(o.contains(QLatin1String("buttonTop")));
    EXPECT_EQ(o.value(QLatin1String("raLineC")).toString(),
              QStringLiteral("ie: R 300 000.00 X 15% = R45 000.00"));
    const QJsonArray record = o.value(QLatin1String("salPackage")).toArray();
    ASSERT_FALSE(record.isEmpty());
    EXPECT_EQ(record.first().toObject().value(QLatin1String("field")).toString(),
              QStringLiteral("MonAnn"));
    EXPECT_EQ(o.value(QLatin1String("lookup"))
                  .toObject()
                  .value(QLatin1String("annualTaxableIncome"))
                  .toDouble(),
              300000 + 84000);
}

TEST(PackageCommands, BadInputAndStoppedSearchesFail) {
    struct Case {
        const char *command;
        const char *input;
        const char *message;
    };
    const Case cases[] = {
        {"quillon-annual", R"({"netRequired":90000,"travelAllowance":100000})",
         "Fringe benefits more than salary required!"},
        {"quillon-monthly", R"({"netRequired":999999999999.99})",
         "Not even the largest gross salary (999 999 999 999) leaves the net salary required"},
        {"brisvane-annual", R"({"package":"lots"})", "\"package\" must be a number"},
        {"brisvane-annual", R"({"netRequired":1000})", "unknown key \"netRequired\""},
        {"brisvane-monthly", R"({"beneficiaries":-1})",
         "\"beneficiaries\" must be a whole number from 0 to 32767"},
        {"brisvane-monthly", R"({"age":40.5})", "\"age\" must be a whole number"},
        {"quillon-annual", R"({"otherExpenses":[{"amount":1},{},{},{},{}]})", "at most 4"},
        {"quillon-annual", R"({"otherExpenses":[{"amount":"x"}]})", "line 1"},
    };
    for (const Case &c : cases) {
        const CliRun r = run(c.command, c.input);
        EXPECT_NE(r.code, 0) << c.input;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << r.err.toStdString();
    }
}

} // namespace
