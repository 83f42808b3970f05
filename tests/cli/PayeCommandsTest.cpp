#include "cli/CliRun.h"
#include "cli/Command.h"
#include "cli/Runner.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace quillon::cli;

namespace {

using quillon::test::CliRun;

CliRun run(const QString &command, const QString &input) {
    return quillon::test::runCli(&registerPayeCommands, command, input);
}

TEST(PayeCommands, WorkedFiguresThroughTheCommandLine) {
    struct Case {
        const char *command;
        const char *input;
        const char *key;
        double value;
    };
    const Case cases[] = {
        {"monthly", R"({"age":40,"salary":20000,"startDate":"16/03/2016"})", "taxLiability",
         4467.10},
        {"monthly", R"({"salary":20000,"uifLimit":10000})", "uifEmployeeShown", 100},
        {"monthly", R"({"salary":10000,"travelAllowance":2502,"inclusionRate":0.2})",
         "taxableTravelAllowance", 500},
        {"monthly", R"({"salary":20000,"employeeMedAid":100,"medAidBeneficiaries":3})",
         "taxCreditBeneficiaries", 764},
        {"weekly", R"({"salary":1000,"bonus":10000})", "taxLiability", 1720.38},
        {"weekly", R"({"salary":1000,"normalDays":5,"thisDays":3})", "annualEquivalent",
         1000.0 * 52 * 5 / 3},
        {"fortnightly", R"({"salary":2000,"bonus":10000})", "taxLiability", 1640.77},
        {"daily", R"({"salary":200,"bonus":5000})", "taxLiability", 884.08},
        {"daily", R"({"salary":1000,"uifLimit":14000,"employeeUIF":100})", "uifEmployeeShown",
         646.15},
        {"quicktax", R"({"taxableIncome":500000,"age":70})", "taxCommitment", 109053},
        {"quicktax", R"({"taxableIncome":188000,"age":30})", "averageRateBefore", 18},
    };
    for (const Case &c : cases) {
        const CliRun r = run(QString::fromLatin1(c.command), QString::fromLatin1(c.input));
        ASSERT_EQ(r.code, 0) << c.command << ": " << r.err.toStdString();
        const QJsonObject o = r.json();
        ASSERT_TRUE(o.contains(QLatin1String(c.key))) << c.command << " " << c.key;
        EXPECT_NEAR(o.value(QLatin1String(c.key)).toDouble(), c.value, 0.005)
            << c.command << " " << c.key;
        EXPECT_TRUE(o.value(QStringLiteral("lookup")).isObject()) << c.command;
    }
}

TEST(PayeCommands, RefusalsExitNonZeroWithAReason) {
    struct Case {
        const char *command;
        const char *input;
        const char *reason;
    };
    const Case cases[] = {
        {"monthly", R"({"salry":1})", "unknown key \"salry\""},
        {"monthly", R"({"salary":"lots"})", "\"salary\" must be a number"},
        {"monthly", R"({"startDate":"01/04/2016","endDate":"31/05/2016"})",
         "The Start and End dates entered must be for the same Month"},
        {"monthly", R"({"startDate":"29/02/2016"})", "between 01/03/2016 and 28/02/2017"},
        {"monthly", R"({"endDate":"not a date"})", "\"endDate\" must be a date"},
        {"weekly", R"({"normalDays":5,"thisDays":6})", "'Normal work-week'"},
        {"fortnightly", R"({"normalDays":0,"thisDays":0})", "at least 1"},
        {"daily", R"({"medAidBeneficiaries":17})", "from 0 to 16"},
        {"weekly", R"({"medAidBeneficiaries":-1})",
         "\"medAidBeneficiaries\" must be a whole number from 0 to 32767 (given: -1)"},
        {"quicktax", R"({"age":30.5})", "\"age\" must be a whole number"},
    };
    for (const Case &c : cases) {
        const CliRun r = run(QString::fromLatin1(c.command), QString::fromLatin1(c.input));
        EXPECT_EQ(r.code, 1) << c.command << " " << c.input;
        EXPECT_EQ(r.json().value(QStringLiteral("line")).toInt(), 1) << c.command << " " << c.input;
        EXPECT_TRUE(r.err.contains(QString::fromLatin1(c.reason)))
            << c.command << " " << c.input << ": " << r.err.toStdString();
    }
}

TEST(PayeCommands, HelpListsTheSettingsKeysAndThePdf) {
    for (const char *command : {"monthly", "fortnightly", "weekly", "daily"}) {
        CommandRegistry registry;
        registerPayeCommands(registry);
        const Command *c = registry.find(QString::fromLatin1(command));
        ASSERT_NE(c, nullptr) << command;
        EXPECT_TRUE(c->rendersPdf) << command;
        const QString help = helpText(*c);
        for (const char *key : {"employeeUIF", "employerUIF", "skillLevy", "uifLimit",
                                "inclusionRate", "medAidBeneficiaries"})
            EXPECT_TRUE(help.contains(QString::fromLatin1(key))) << command << " " << key;
    }
    // A batch: one answer per line, a bad line does not stop the others.
    const CliRun batch = run(QStringLiteral("quicktax"),
                             QStringLiteral("{\"taxableIncome\":0}\n{\"bad\":1}\n{\"age\":65}\n"));
    EXPECT_EQ(batch.code, 1);
    EXPECT_EQ(batch.out.count(u'\n'), 3);
    EXPECT_TRUE(batch.err.contains(QStringLiteral("line 2")));
}

} // namespace
