#include "cli/CliRun.h"
#include "cli/Command.h"
#include "cli/Runner.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace quillon::cli;

namespace {

using quillon::test::CliRun;

CliRun run(const char *command, const char *input) {
    return quillon::test::runCli(&registerBusinessCommands, QString::fromLatin1(command),
                                 QString::fromUtf8(input));
}

TEST(BusinessCommands, WorkedFigures) {
    struct Case {
        const char *name;
        const char *command;
        const char *input;
        const char *key;
        double value;
    };
    const Case cases[] = {
        {"repayment", "loan", R"({"principal":100000,"period":240,"rate":12})", "repayment",
         1101.09},
        {"rate back", "loan",
         R"({"mode":"Interest rate","principal":100000,"period":240,"repayment":1101.09})", "rate",
         12},
        {"period", "loan", R"({"mode":"period","principal":100000,"rate":12,"repayment":1200})",
         "period", 180},
        {"one month", "loan",
         R"({"mode":"period","principal":100000,"rate":12,"repayment":200000})", "repayment",
         101000},
        {"buster extra", "loan-buster",
         R"({"principal":100000,"period":240,"rate":12,"extraPayment":200})", "extraPayment",
         200.34},
        {"buster saving", "loan-buster",
         R"({"principal":100000,"period":240,"rate":12,"extraPayment":200})", "totalSaving",
         72951.03},
        {"empty loan repays nothing", "loan-buster", "{}", "newRepayment", 0},
        {"daily interest", "daily-balance",
         R"({"capital":10000,"rate":10,"startDate":"01/03/2016","endDate":"2017-03-01"})",
         "interest", 1000},
        {"rate spinner wraps", "daily-balance", R"({"rate":40,"rateSteps":1})", "rate", 0.25},
        {"buying power", "inflation", R"({"presentCost":1000,"period":2,"rate":10})", "buyingPower",
         826.45},
        {"period spinner wraps", "inflation", R"({"period":1,"periodSteps":-1})", "period", 40},
    };
    for (const Case &c : cases) {
        const CliRun r = run(c.command, c.input);
        ASSERT_EQ(r.code, 0) << c.name << ": " << r.err.toStdString();
        EXPECT_NEAR(r.json().value(QLatin1String(c.key)).toDouble(), c.value, 0.005) << c.name;
    }
}

TEST(BusinessCommands, RefusedInputs) {
    struct Case {
        const char *command;
        const char *input;
        const char *message;
    };
    const Case cases[] = {
        {"loan", R"({"period":601})", "The maximum period  allowed is 600 months"},
        {"loan", R"({"rate":50.5})", "The maximum interest rate allowed is 50%"},
        {"loan", R"({"mode":"monthly"})", "unknown mode"},
        {"loan", R"({"principal":"lots"})", "\"principal\" must be a number"},
        {"loan", R"({"principal":-5})",
         "\"principal\" must be a number from 0 to 99999999.99 with at most 2 decimals"},
        {"loan", R"({"schedule":"weekly"})", "none, monthly or annual"},
        {"loan-buster", R"({"extra":5})", "unknown key \"extra\""},
        {"loan-comparison", R"({"rate":51})", "The maximum interest rate allowed is 50%"},
        {"daily-balance", R"({"rate":41})", "The maximum Interest Rate allowed is 40%"},
        {"daily-balance", R"({"startDate":"31/02/2016"})", "please enter a valid date"},
        {"daily-balance", R"({"startDate":"01/03/2016","endDate":"29/02/2016"})",
         "The end date cannot be before the start date 01/03/2016."},
        {"inflation", R"({"period":41})", "The maximum period allowed 40 years"},
        {"inflation", R"({"rate":-5.5})", "\"rate\" must be a number from -5 to 40"},
    };
    for (const Case &c : cases) {
        const CliRun r = run(c.command, c.input);
        EXPECT_NE(r.code, 0) << c.input;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << r.err.toStdString();
    }
}

TEST(BusinessCommands, ScheduleRowsAndUnreachableRate) {
    const CliRun annual =
        run("loan", R"({"principal":100000,"period":30,"rate":12,"schedule":"annual"})");
    const QJsonArray years = annual.json().value(QLatin1String("schedule")).toArray();
    ASSERT_EQ(years.size(), 3);
    EXPECT_EQ(years[2].toObject().value(QLatin1String("year")).toInt(), 3);
    EXPECT_EQ(years[2].toObject().value(QLatin1String("balance")).toDouble(), 0);

    const CliRun monthly =
        run("loan", R"({"principal":100000,"period":30,"rate":12,"schedule":"monthly"})");
    EXPECT_EQ(monthly.json().value(QLatin1String("schedule")).toArray().size(), 30);

    const CliRun none = run("loan", R"({"principal":100000,"period":30,"schedule":"monthly"})");
    EXPECT_TRUE(none.json().value(QLatin1String("schedule")).toArray().isEmpty());

    const CliRun rate =
        run("loan", R"({"mode":"rate","principal":1000,"period":600,"repayment":100000})");
    ASSERT_EQ(rate.code, 0);
    EXPECT_FALSE(rate.json().value(QLatin1String("rateFound")).toBool());
    EXPECT_TRUE(rate.json().value(QLatin1String("errorMarker")).toBool());
}

TEST(BusinessCommands, BatchOfTwoLines) {
    const CliRun r = run("inflation", "{\"presentCost\":1000,\"period\":2,\"rate\":10}\n"
                                      "{\"presentCost\":9000000000,\"period\":2,\"rate\":10}\n");
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    const QJsonObject second = QJsonDocument::fromJson(lines[1].toUtf8()).object();
    EXPECT_EQ(second.value(QLatin1String("futureValueText")).toString(),
              QStringLiteral("Amount too large to display"));
    EXPECT_FALSE(second.value(QLatin1String("printable")).toBool());
}

} // namespace
