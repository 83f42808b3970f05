#include "shell/Version.h"
#include "shell/Placement.h"
#include "shell/UpdateCheck.h"
#include "shell/WindowCatalogue.h"
#include "shell/frmWebExpiry.h"

#include <gtest/gtest.h>

using namespace quillon::shell;

namespace {

struct VersionRow {
    const char *name;
    ProgramVersion version;
    const char *display;
    double programNo;
    int disclaimerNo;
};

TEST(Version, ThreeFormsOfTheVersion) {
    const VersionRow rows[] = {
        {"this release", {1, 8, 0}, "1.08.000", 1.8, 180},
        {"two-digit minor", {1, 10, 2}, "1.10.002", 1.1, 1102},
        {"revision", {2, 0, 15}, "2.00.015", 2.0, 2015},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(displayVersion(r.version), QLatin1String(r.display));
        EXPECT_EQ(programNumber(r.version), r.programNo);
        EXPECT_EQ(disclaimerNumber(r.version), r.disclaimerNo);
    }
}

TEST(Version, MainWindowCaption) {
    EXPECT_TRUE(mainWindowCaption().startsWith(QLatin1String("Quillon 2017 Ver: 1.08.000  ")));
    EXPECT_EQ(mainWindowCaption(), QStringLiteral("Quillon 2017 Ver: 1.08.000  ") + makerNotice());
}

TEST(Version, UpdateNoticeOnlyForANewerWebNumber) {
    struct Row {
        const char *name;
        double web;
        bool newer;
    };
    const Row rows[] = {
        {"1.09 is below 1.8", 1.09, false},
        {"1.9 is newer", 1.9, true},
        {"equal", 1.8, false},
        {"older", 1.7, false},
        {"no number fetched", 0, false},
        {"negative", -2, false},
        {"next major", 2.0, true},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(updateIsNewer(r.web, programNumber()), r.newer);
    }
}

TEST(Version, OnlyAPlainDecimalBodyIsAWebNumber) {
    struct Row {
        const char *body;
        double number;
    };
    const Row rows[] = {
        {"1.9", 1.9}, {"1.09", 1.09}, {"2", 2},      {" 1.9\r\n", 1.9},
        {"", 0},      {"abc", 0},     {"1.9abc", 0}, {"<html>1.9</html>", 0},
        {"1,9", 0},   {"-1.9", 0},    {"1e3", 0},    {"1.", 0},
        {".5", 0},    {"1.9 2.0", 0}, {"nan", 0},    {"inf", 0},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.body);
        EXPECT_EQ(parseWebNumber(QByteArray(r.body)), r.number);
    }
}

TEST(Version, UpdateNoticeShowsPlainDecimals) {
    EXPECT_EQ(plainDecimal(1.9), QLatin1String("1.9"));
    EXPECT_EQ(plainDecimal(1.8), QLatin1String("1.8"));
    EXPECT_EQ(plainDecimal(2), QLatin1String("2"));
    EXPECT_EQ(plainDecimal(1.09), QLatin1String("1.09"));
}

TEST(Placement, CentredAndAQuarterOrAThirdDown) {
    EXPECT_EQ(centredPlacement({1000, 700}, {400, 300}, kQuarterDown), QPoint(300, 100));
    EXPECT_EQ(centredPlacement({1000, 700}, {400, 100}, kThirdDown), QPoint(300, 200));
    // A window larger than the space is not pushed off its top-left corner.
    EXPECT_EQ(centredPlacement({300, 200}, {400, 300}, kQuarterDown), QPoint(0, 0));
}

TEST(WindowCatalogue, InitialiseAllClosesInItsOwnOrderAndKeepsTwoOpen) {
    const std::vector<QString> expected = {
        QStringLiteral("frmAnnual"),      QStringLiteral("frmMonthly"),
        QStringLiteral("frmWeekly"),      QStringLiteral("frmDaily"),
        QStringLiteral("frmCompCar"),     QStringLiteral("frmCarAll1"),
        QStringLiteral("frmHelpBrowser"), QStringLiteral("frmInflation"),
        QStringLiteral("frmLoans"),       QStringLiteral("frmLoanBuster"),
        QStringLiteral("frmLoanComp"),    QStringLiteral("frmDayBal"),
        QStringLiteral("frmQuillonMon"),  QStringLiteral("frmQuillonAnn"),
        QStringLiteral("frmBrisvaneMon"), QStringLiteral("frmBrisvaneAnn")};
    EXPECT_EQ(WindowCatalogue::standard().closeOrder(), expected);
}

} // namespace
