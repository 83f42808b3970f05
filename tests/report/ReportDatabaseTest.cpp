#include "report/ReportDatabase.h"

#include "ReportTestSupport.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace quillon::report;
using quillon::test::ReportFolder;

namespace {

int rowCount(const ReportFolder &folder, const QString &table) {
    ReportDatabase db(folder.databasePath());
    const auto rows = db.readRows(table);
    return rows ? static_cast<int>(rows->size()) : -1;
}

QVariant valueOf(const ReportRecord &record, const QString &name) {
    for (const ReportField &f : record)
        if (f.name == name)
            return f.value;
    return {};
}

std::vector<ReportRecord> schedule(int rows, double capital) {
    std::vector<ReportRecord> out;
    for (int i = 1; i <= rows; ++i)
        out.push_back({{QStringLiteral("Year"), i},
                       {QStringLiteral("Capital"), capital * i},
                       {QStringLiteral("Interest"), 1.5},
                       {QStringLiteral("Required"), 100.0 - i}});
    return out;
}

TEST(ReportDatabase, EveryDeliveredSingleRecordTableHoldsExactlyOneRecord) {
    ReportFolder folder;
    for (const char *table :
         {"SalPackage", "IRP5Ann", "IRP5Mon", "IRP5Week", "IRP5Day", "kwiktax", "traveldeduction",
          "Loans", "BondBust", "BondComp", "DailyBal", "Inflation"})
        EXPECT_EQ(rowCount(folder, QString::fromLatin1(table)), 1) << table;
    EXPECT_EQ(rowCount(folder, QStringLiteral("Amort")), 0);
    EXPECT_EQ(rowCount(folder, QStringLiteral("compcar")), 0);
}

TEST(ReportDatabase, PrintingTwiceEditsTheOneRecordInPlace) {
    ReportFolder folder;
    ReportDatabase db(folder.databasePath());
    ASSERT_TRUE(db.writeRecord(QStringLiteral("Inflation"), {{QStringLiteral("PresCost"), 1000.0},
                                                             {QStringLiteral("Period"), 2}}))
        << db.error().toStdString();
    ASSERT_TRUE(db.writeRecord(QStringLiteral("Inflation"), {{QStringLiteral("PresCost"), 2500.25},
                                                             {QStringLiteral("Ans1"), 0.1 + 0.2}}));
    EXPECT_EQ(rowCount(folder, QStringLiteral("Inflation")), 1);
    const auto record = db.readFirstRecord(QStringLiteral("Inflation"));
    ASSERT_TRUE(record);
    EXPECT_EQ(valueOf(*record, QStringLiteral("PresCost")).toDouble(), 2500.25);
    EXPECT_EQ(valueOf(*record, QStringLiteral("Period")).toInt(), 2)
        << "fields not written keep their value";
    EXPECT_EQ(valueOf(*record, QStringLiteral("Ans1")).toDouble(), 0.1 + 0.2)
        << "stored to the last bit";
}

TEST(ReportDatabase, ValuesKeepTheirTypesAndAFieldNamedTwiceTakesItsLastValue) {
    ReportFolder folder;
    ReportDatabase db(folder.databasePath());
    ASSERT_TRUE(db.writeRecord(QStringLiteral("kwiktax"), {{QStringLiteral("AGE"), 65},
                                                           {QStringLiteral("TAXCOM4/2"), 1234.5},
                                                           {QStringLiteral("TAXCOM4"), 1.0},
                                                           {QStringLiteral("taxcom4"), 14814.0}}))
        << db.error().toStdString();
    const auto record = db.readFirstRecord(QStringLiteral("kwiktax"));
    ASSERT_TRUE(record);
    EXPECT_EQ(valueOf(*record, QStringLiteral("AGE")).typeId(), QMetaType::LongLong);
    EXPECT_EQ(valueOf(*record, QStringLiteral("TAXCOM4/2")).typeId(), QMetaType::Double);
    EXPECT_EQ(valueOf(*record, QStringLiteral("TAXCOM4/2")).toDouble(), 1234.5);
    EXPECT_EQ(valueOf(*record, QStringLiteral("TAXCOM4")).toDouble(), 14814.0);
}

TEST(ReportDatabase, TextIsStoredVerbatim) {
    ReportFolder folder;
    ReportDatabase db(folder.databasePath());
    const QString nasty = QStringLiteral("O'Brien \"Jnr\"; DROP TABLE IRP5Ann; -- %1 ? :name \\ é");
    ASSERT_TRUE(db.writeRecord(QStringLiteral("IRP5Ann"), {{QStringLiteral("Employee"), nasty}}));
    const auto record = db.readFirstRecord(QStringLiteral("IRP5Ann"));
    ASSERT_TRUE(record);
    EXPECT_EQ(valueOf(*record, QStringLiteral("Employee")).toString(), nasty);
    EXPECT_EQ(rowCount(folder, QStringLiteral("IRP5Ann")), 1);
}

struct BadWrite {
    const char *name;
    QString table;
    QString field;
    const char *message;
};

class ReportDatabaseRefuses : public ::testing::TestWithParam<BadWrite> {};

TEST_P(ReportDatabaseRefuses, NamesThatAreNotTheTablesOwnAreErrorsNotSql) {
    ReportFolder folder;
    ReportDatabase db(folder.databasePath());
    EXPECT_FALSE(db.writeRecord(GetParam().table, {{GetParam().field, 1.0}}));
    EXPECT_TRUE(db.error().contains(QString::fromUtf8(GetParam().message)))
        << db.error().toStdString();
    EXPECT_EQ(rowCount(folder, QStringLiteral("IRP5Ann")), 1);
    EXPECT_EQ(rowCount(folder, QStringLiteral("Loans")), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ReportDatabaseRefuses,
    ::testing::Values(BadWrite{"UnknownTable", QStringLiteral("IRP5Year"), QStringLiteral("SalNum"),
                               "has no table \"IRP5Year\""},
                      BadWrite{"TableInjection", QStringLiteral("Loans; DROP TABLE IRP5Ann"),
                               QStringLiteral("Num1"), "has no table"},
                      BadWrite{"UnknownField", QStringLiteral("IRP5Ann"),
                               QStringLiteral("SalaryNum"), "has no field \"SalaryNum\""},
                      BadWrite{"FieldInjection", QStringLiteral("Loans"),
                               QStringLiteral("Num1\" = 0; DROP TABLE IRP5Ann; --"),
                               "has no field"}),
    [](const auto &row) { return std::string(row.param.name); });

TEST(ReportDatabase, AMissingFileIsAnErrorAndIsNotCreated) {
    ReportFolder folder;
    const QString missing = folder.path(QStringLiteral("Nowhere.mdb"));
    ReportDatabase db(missing);
    EXPECT_FALSE(db.writeRecord(QStringLiteral("IRP5Ann"), {}));
    EXPECT_EQ(db.error(), QStringLiteral("The report database %1 was not found.").arg(missing));
    EXPECT_FALSE(QFileInfo::exists(missing));
}

// A locked file and a folder in its place are told as such, not as "not readable: ... Unable to
// fetch row" and "was not found".
TEST(ReportDatabase, ALockedFileOrAFolderIsToldAsSuch) {
    ReportFolder folder;
    const QString path = folder.databasePath();
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), path);
        other.setDatabaseName(path);
        ASSERT_TRUE(other.open() && QSqlQuery(other).exec(QStringLiteral("BEGIN EXCLUSIVE")));
        ReportDatabase db(path);
        EXPECT_FALSE(db.writeRecord(QStringLiteral("Loans"), {}));
        EXPECT_EQ(db.error(),
                  QStringLiteral("The report database %1 is in use by another program.").arg(path));
    }
    QSqlDatabase::removeDatabase(path);
    ReportDatabase db(folder.folder());
    EXPECT_FALSE(db.readFirstRecord(QStringLiteral("Loans")));
    EXPECT_EQ(db.error(),
              QStringLiteral("The report database %1 is not a file.").arg(folder.folder()));
}

TEST(ReportDatabase, ATableWithoutItsRecordIsAnErrorNotAnInsert) {
    ReportFolder folder;
    folder.exec(QStringLiteral("DELETE FROM Loans"));
    ReportDatabase db(folder.databasePath());
    EXPECT_FALSE(db.writeRecord(QStringLiteral("Loans"), {{QStringLiteral("Num1"), 5.0}}));
    EXPECT_TRUE(db.error().contains(QStringLiteral("holds no record"))) << db.error().toStdString();
    EXPECT_EQ(rowCount(folder, QStringLiteral("Loans")), 0);
    EXPECT_FALSE(db.readFirstRecord(QStringLiteral("Loans")));
}

TEST(ReportDatabase, ARowTableHoldsExactlyTheSecondPrintsRows) {
    ReportFolder folder;
    ReportDatabase db(folder.databasePath());
    ASSERT_TRUE(db.writeRows(QStringLiteral("Amort"), schedule(240, 10)))
        << db.error().toStdString();
    ASSERT_TRUE(db.writeRows(QStringLiteral("Amort"), schedule(3, 7)));
    const auto rows = db.readRows(QStringLiteral("Amort"));
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(valueOf((*rows)[static_cast<std::size_t>(i)], QStringLiteral("Year")).toInt(),
                  i + 1);
        EXPECT_EQ(
            valueOf((*rows)[static_cast<std::size_t>(i)], QStringLiteral("Capital")).toDouble(),
            7.0 * (i + 1));
    }
    ASSERT_TRUE(db.writeRows(QStringLiteral("Amort"), {}));
    EXPECT_EQ(rowCount(folder, QStringLiteral("Amort")), 0);
}

TEST(ReportDatabase, ARowRewriteThatFailsHalfwayLeavesThePreviousRows) {
    ReportFolder folder;
    folder.exec(QStringLiteral("CREATE TABLE Strict (Line INTEGER, Amount REAL NOT NULL)"));
    ReportDatabase db(folder.databasePath());
    ASSERT_TRUE(db.writeRows(QStringLiteral("Strict"),
                             {{{QStringLiteral("Line"), 1}, {QStringLiteral("Amount"), 1.0}},
                              {{QStringLiteral("Line"), 2}, {QStringLiteral("Amount"), 2.0}}}));
    // The second row breaks the NOT NULL rule after the table was emptied and one row added.
    EXPECT_FALSE(
        db.writeRows(QStringLiteral("Strict"),
                     {{{QStringLiteral("Line"), 7}, {QStringLiteral("Amount"), 7.0}},
                      {{QStringLiteral("Line"), 8}, {QStringLiteral("Amount"), QVariant()}}}));
    EXPECT_TRUE(db.error().contains(QStringLiteral("could not be written")))
        << db.error().toStdString();
    const auto rows = db.readRows(QStringLiteral("Strict"));
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 2u);
    EXPECT_EQ(valueOf(rows->back(), QStringLiteral("Line")).toInt(), 2);

    // An unknown field in any row is found before the table is touched.
    EXPECT_FALSE(db.writeRows(QStringLiteral("Strict"),
                              {{{QStringLiteral("Line"), 1}, {QStringLiteral("Amount"), 1.0}},
                               {{QStringLiteral("Lines"), 2}}}));
    EXPECT_EQ(rowCount(folder, QStringLiteral("Strict")), 2);
}

} // namespace
