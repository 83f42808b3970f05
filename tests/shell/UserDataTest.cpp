#include "shell/UserData.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quillon;

namespace {

const QStringList kDatabases = {QStringLiteral("Settings.mdb"), QStringLiteral("bcdv.mdb"),
                                QStringLiteral("Crysprin.mdb")};

class UserDataTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_root.isValid()); }

    // The delivered files in `folder`, each holding its own name.
    void deliver(const QString &folder) {
        ASSERT_TRUE(QDir().mkpath(folder));
        for (const QString &name : kDatabases + QStringList{QStringLiteral("Annual.rpt")}) {
            QFile file(QDir(folder).filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(name.toUtf8());
        }
    }
    static QByteArray content(const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString at(const char *relative) const {
        return m_root.filePath(QString::fromLatin1(relative));
    }

    QTemporaryDir m_root;
};

TEST_F(UserDataTest, ABuildFolderKeepsUsingTheFilesBesideItself) {
    deliver(at("build/bin"));
    const DataPaths paths = shell::startupDataPaths(at("build/bin"), at("user"));
    EXPECT_EQ(paths.settingsDatabase, QDir::toNativeSeparators(at("build/bin/Settings.mdb")));
    EXPECT_EQ(paths.reportDatabase, QDir::toNativeSeparators(at("build/bin/Crysprin.mdb")));
    EXPECT_FALSE(QDir(at("user")).exists());
}

TEST_F(UserDataTest, AnInstallUsesTheUsersOwnCopiesAndNeverReplacesThem) {
    deliver(at("usr/share/quillon"));
    ASSERT_TRUE(QDir().mkpath(at("usr/bin")));
    ASSERT_TRUE(QDir().mkpath(at("user")));
    {
        QFile own(at("user/Settings.mdb"));
        ASSERT_TRUE(own.open(QIODevice::WriteOnly));
        own.write("the user's settings");
    }
    const DataPaths paths = shell::startupDataPaths(at("usr/bin"), at("user"));
    // Layouts, the manual and the picture are read from the install.
    EXPECT_EQ(paths.file(QStringLiteral("Annual.rpt")),
              QDir::toNativeSeparators(at("usr/share/quillon/Annual.rpt")));
    EXPECT_EQ(content(paths.settingsDatabase), "the user's settings");
    EXPECT_EQ(content(paths.programStateDatabase), "bcdv.mdb");
    EXPECT_EQ(content(paths.reportDatabase), "Crysprin.mdb");
    for (const QString &path : {paths.programStateDatabase, paths.reportDatabase}) {
        EXPECT_TRUE(path.startsWith(QDir::toNativeSeparators(at("user")))) << path.toStdString();
        EXPECT_TRUE(QFile(path).permissions() & QFile::WriteOwner);
    }
}

// The report database keeps only the last printouts: a copy of another schema version (an
// older program's) gives way to the delivered one, a copy of the same version stays.
TEST_F(UserDataTest, AReportDatabaseOfAnotherSchemaIsReplaced) {
    deliver(at("usr/share/quillon"));
    ASSERT_TRUE(QDir().mkpath(at("usr/bin")));
    ASSERT_TRUE(QDir().mkpath(at("user")));
    // An SQLite header is 100 bytes; the schema version stands big-endian at bytes 60 to 63.
    const auto database = [](const QString &path, char version, const char *text) {
        QByteArray bytes(100, '\0');
        bytes[63] = version;
        bytes += text;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    database(at("usr/share/quillon/Crysprin.mdb"), 2, "delivered");
    for (const char version : {1, 2}) {
        SCOPED_TRACE(int(version));
        database(at("user/Crysprin.mdb"), version, "the last printouts");
        const DataPaths paths = shell::startupDataPaths(at("usr/bin"), at("user"));
        EXPECT_EQ(content(paths.reportDatabase).endsWith("delivered"), version == 1);
        EXPECT_TRUE(paths.reportDatabase.startsWith(QDir::toNativeSeparators(at("user"))));
    }
}

// A data folder that cannot be made (here a file stands in its way, which stops root too) is
// told with its path and why; the delivered files serve meanwhile.
TEST_F(UserDataTest, AFolderThatCannotBeMadeIsToldWithItsPath) {
    deliver(at("usr/share/quillon"));
    ASSERT_TRUE(QDir().mkpath(at("usr/bin")));
    QFile blocker(at("home"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    QString problem;
    const DataPaths paths = shell::startupDataPaths(at("usr/bin"), at("home/user"), &problem);
    EXPECT_EQ(problem, QStringLiteral("The folder %1 for your own data files could not be made: "
                                      "%2 is a file, not a folder.")
                           .arg(at("home/user"), at("home")));
    EXPECT_EQ(content(paths.settingsDatabase), "Settings.mdb");
}

} // namespace
