#include "taxengine/SettingsStore.h"

#include "common/HotJournal.h"
#include "common/TestData.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quillon::tax;

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("Settings.mdb"));
        ASSERT_EQ(quillon::test::createDatabase(
                      m_path, quillon::test::sourcePath(QStringLiteral("data/sql/Settings.sql"))),
                  QString());
    }

    QTemporaryDir m_dir;
    QString m_path;
};

TEST_F(SettingsStoreTest, ReadsTheDeliveredRow) {
    SettingsStore store(m_path);
    const auto row = store.read();
    ASSERT_TRUE(row) << store.lastError().toStdString();
    EXPECT_EQ(*row, deliveredSetup());
}

TEST_F(SettingsStoreTest, PeriodWindowsSaveOnlyTheirFiveFields) {
    SettingsStore store(m_path);
    SetupRecord changed = *store.read();
    changed.TAIncRate8020 = 0.2;
    changed.UIFLimit = 15000;
    changed.PensionCont = 12; // not a period window's field
    changed.ProvCont = 5;
    changed.CompCarMPYesNo = true;
    ASSERT_TRUE(store.writePeriodSettings(changed)) << store.lastError().toStdString();
    const SetupRecord stored = *store.read();
    EXPECT_EQ(stored.TAIncRate8020, 0.2);
    EXPECT_EQ(stored.UIFLimit, 15000);
    EXPECT_EQ(stored.PensionCont, 0);
    EXPECT_EQ(stored.ProvCont, 0);
    EXPECT_FALSE(stored.CompCarMPYesNo);
}

TEST_F(SettingsStoreTest, PackageWindowsSaveAllElevenFields) {
    SettingsStore store(m_path);
    SetupRecord r{7.5, 10, 1, 1, 1, 2, 3, 14872, 0.2, 0.2, true};
    ASSERT_TRUE(store.writePackageSettings(r));
    EXPECT_EQ(*store.read(), r);
}

TEST_F(SettingsStoreTest, AnOddStoredRateSelectsNeitherOption) {
    EXPECT_EQ(rateOption(0.5), RateOption::None);
    EXPECT_EQ(rateOption(0.8), RateOption::Eighty);
    EXPECT_EQ(rateOption(0.2), RateOption::Twenty);
}

TEST(SettingsStoreFailures, MissingFileIsReportedNotCreated) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Settings.mdb"));
    SettingsStore store(path);
    EXPECT_FALSE(store.read());
    EXPECT_FALSE(store.writePeriodSettings(deliveredSetup()));
    EXPECT_FALSE(store.lastError().isEmpty());
    EXPECT_FALSE(QFile::exists(path));
}

TEST(SettingsStoreFailures, NotADatabaseOrNoRow) {
    QTemporaryDir dir;
    const QString junk = dir.filePath(QStringLiteral("junk.mdb"));
    {
        QFile f(junk);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("this is not a database file at all, just some text");
    }
    SettingsStore bad(junk);
    EXPECT_FALSE(bad.read());
    EXPECT_FALSE(bad.writePackageSettings(deliveredSetup()));

    const QString empty = dir.filePath(QStringLiteral("empty.mdb"));
    ASSERT_EQ(quillon::test::createDatabase(
                  empty, quillon::test::sourcePath(QStringLiteral("data/sql/Settings.sql"))),
              QString());
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("e"));
        db.setDatabaseName(empty);
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec(QStringLiteral("DELETE FROM Setup"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("e"));
    SettingsStore noRow(empty);
    EXPECT_FALSE(noRow.read());
    EXPECT_FALSE(noRow.writePeriodSettings(deliveredSetup()));
    EXPECT_FALSE(noRow.lastError().isEmpty());
}

} // namespace

TEST_F(SettingsStoreTest, AWriteKilledHalfwayIsRolledBackOnTheNextRead) {
    SettingsStore store(m_path);
    SetupRecord saved = deliveredSetup();
    saved.UIFLimit = 15000;
    ASSERT_TRUE(store.writePackageSettings(saved));
    ASSERT_TRUE(quillon::test::leaveHotJournal(
        m_path, QStringLiteral("UPDATE Setup SET UIFLimit = 1, SkillLevy = 9")));

    const auto row = store.read();
    ASSERT_TRUE(row) << store.lastError().toStdString();
    EXPECT_EQ(*row, saved);
    EXPECT_FALSE(QFile::exists(m_path + QStringLiteral("-journal")));
}
