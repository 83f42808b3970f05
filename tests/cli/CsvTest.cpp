#include "cli/CliRun.h"

#include <QJsonArray>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace quillon;

namespace {

// The cells of an answer row that holds no quoted cell.
QString cell(const test::CliRun &run, int row, const QString &heading) {
    const QStringList lines = run.lines();
    const qsizetype column = lines.value(0).split(u',').indexOf(heading);
    EXPECT_GE(column, 0) << heading.toStdString();
    return lines.value(row).split(u',').value(column);
}

void registerAll(cli::CommandRegistry &registry) {
    cli::registerPayeCommands(registry);
    cli::registerVehicleCommands(registry);
    cli::registerBusinessCommands(registry);
}

TEST(Csv, RowsAnswerInPlace) {
    struct Check {
        int row;
        const char *heading;
        const char *value;
    };
    struct Case {
        const char *name;
        const char *command;
        const char *input;
        int code;
        int rows; // answer rows under the header
        std::vector<Check> checks;
        int refusedRow = 0;
        const char *reason = ""; // the refused row's last cell
    };
    const Case cases[] = {
        {"a quoted cell holds a comma, a quote and a line break",
         "monthly",
         "employeeName,salary\n\"Smith, \"\"J\"\"\nPayroll\",25000\n,30000\n",
         0,
         2,
         {{1, "line", "2"}, {1, "uifRemuneration", "25000"}, {2, "line", "4"}}},
        {"a refused row keeps its place with its line and reason",
         "monthly",
         "salary\n25000\nabc\n30000\n",
         1,
         3,
         {{2, "line", "3"}, {2, "taxLiability", ""}, {3, "line", "4"}},
         2,
         ",\"\"\"salary\"\" must be a number\""},
        // 3.5 % of R 300 000 a month over the whole year.
        {"company-car takes one vehicle a row",
         "company-car",
         "registration,price,totalDistance,businessDistance\nCA 1,300000,20000,5000\n",
         0,
         1,
         {{1, "vehicles.privateDistance", "15000"}, {1, "totalAdjustTaxableIncome", "126000"}}},
        // R 100 000 at 12 %: month 1 pays R 1 000 of interest.
        {"the loan schedule follows as rows of its own",
         "loan",
         "principal,period,rate,schedule\n100000,3,12,monthly\n",
         0,
         4,
         {{1, "period", "3"},
          {1, "schedule.month", ""},
          {2, "line", "2"},
          {2, "schedule.month", "1"},
          {2, "schedule.interest", "1000"},
          {2, "principal", ""},
          {4, "schedule.month", "3"}}},
        {"a header naming a key twice is refused", "monthly", "salary,salary\n1,2\n", 2, -1, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const test::CliRun r =
            test::runCli(&registerAll, QString::fromLatin1(c.command), QString::fromLatin1(c.input),
                         {QStringLiteral("--csv")});
        EXPECT_EQ(r.code, c.code) << r.err.toStdString();
        EXPECT_EQ(r.lines().size(), c.rows + 1) << r.out.toStdString();
        for (const Check &check : c.checks)
            EXPECT_EQ(cell(r, check.row, QString::fromLatin1(check.heading)),
                      QString::fromLatin1(check.value))
                << check.row << " " << check.heading;
        if (c.refusedRow > 0) {
            EXPECT_TRUE(r.lines().value(c.refusedRow).endsWith(QString::fromLatin1(c.reason)));
        }
    }
}

// A spreadsheet of employees (blank cells where a figure is not given) answers, row by row and
// column by column, what the JSON mode answers for the same employees.
TEST(Csv, EmployeeSheetRoundTrips) {
    const QString sheet = QStringLiteral("age,salary,bonus,employeeMedAid,medAidBeneficiaries\n"
                                         "35,25000,,1200,2\n"
                                         "67,40000,5000,,\n"
                                         ",18000,,,\n");
    const QString json = QStringLiteral("{\"age\":35,\"salary\":25000,\"employeeMedAid\":1200,"
                                        "\"medAidBeneficiaries\":2}\n"
                                        "{\"age\":67,\"salary\":40000,\"bonus\":5000}\n"
                                        "{\"salary\":18000}\n");
    const test::CliRun csv = test::runCli(&cli::registerPayeCommands, QStringLiteral("monthly"),
                                          sheet, {QStringLiteral("--csv")});
    const test::CliRun lines =
        test::runCli(&cli::registerPayeCommands, QStringLiteral("monthly"), json);
    ASSERT_EQ(csv.code, 0) << csv.err.toStdString();
    const QStringList rows = csv.lines();
    ASSERT_EQ(rows.size(), 4);
    const QStringList headings = rows[0].split(u',');
    EXPECT_TRUE(headings.contains(QStringLiteral("lookup.totalTax")));
    for (int i = 1; i < rows.size(); ++i) {
        const QJsonObject answer =
            QJsonDocument::fromJson(lines.lines().value(i - 1).toUtf8()).object();
        const QStringList cells = rows[i].split(u',');
        ASSERT_EQ(cells.size(), headings.size());
        EXPECT_EQ(cells.front(), QString::number(i + 1));
        EXPECT_EQ(cells.back(), QString());
        for (qsizetype c = 1; c + 1 < headings.size(); ++c) {
            const QStringList path = headings[c].split(u'.');
            QJsonValue value = answer.value(path[0]);
            if (path.size() > 1)
                value = value.toObject().value(path[1]);
            EXPECT_DOUBLE_EQ(cells[c].toDouble(), value.toDouble())
                << "row " << i << " " << headings[c].toStdString();
        }
    }
}

} // namespace
