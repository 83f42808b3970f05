#include "business/LoanGraph.h"
#include "business/LoanGridPanel.h"
#include "business/frmLoanComp.h"
#include "business/frmLoans.h"
#include "common/RecordingOutputDialogs.h"
#include "common/WindowFixture.h"

#include <QApplication>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QFile>
#include <QStackedBarSeries>
#include <QTableView>
#include <QToolTip>

#include <functional>

using namespace quillon;

namespace {

class LoanOutputs : public test::WindowFixture {
protected:
    // The loan window with R 100 000 at 12 % over 30 months worked out.
    business::frmLoans &loan() {
        auto &w = open<business::frmLoans>();
        click("optLoanCalc0");
        type("numPrinAmount", QStringLiteral("100000"));
        type("numPeriod", QStringLiteral("30"));
        type("numIntRate", QStringLiteral("12"));
        click("cmdCalculate");
        return w;
    }
};

// Every grid copies its headings and the figures as shown, without group spaces.
TEST_F(LoanOutputs, GridsCopyWithTheirHeadings) {
    struct Row {
        const char *name;
        std::function<QTableView *()> open;
        const char *firstLines;
    };
    const Row rows[] = {
        {"monthly schedule",
         [this] {
             loan();
             click("cmdMonAmort");
             return control<QTableView>("grdPayments");
         },
         "Month\tCapital payment\tInterest payment\tBalance\n1\t2874.81\t1000.00\t97125.19\n"},
        {"annual schedule",
         [this] {
             loan();
             click("cmdAnnAmort");
             return control<QTableView>("grdPayments");
         },
         "Year\tCapital payments\tInterest payment\tBalance\n1\t36459.80\t10037.93\t63540.20\n"},
        {"comparison",
         [this] {
             open<business::frmLoanComp>();
             type("numBAmt", QStringLiteral("100000"));
             type("numIntRate", QStringLiteral("12"));
             click("cmdCalculate");
             return control<QTableView>("grdPayments");
         },
         "Period\tMonthly repayment\tTotal Interest\tTotal Paid\n5 yrs.\t2224.44\t33466.69\t"
         "133466.69\n"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QTableView *view = row.open();
        ASSERT_NE(view, nullptr);
        EXPECT_FALSE(view->accessibleName().isEmpty());
        view->setFocus();
        QApplication::clipboard()->clear();
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        EXPECT_TRUE(
            QApplication::clipboard()->text().startsWith(QString::fromLatin1(row.firstLines)))
            << QApplication::clipboard()->text().left(200).toStdString();
    }
}

// Each bar tells its figure under the mouse; the graph saves as PNG or PDF and prints.
TEST(LoanGraph, HoverSaveAndPrint) {
    business::ScheduleColumn balance{}, interest{}, capital{};
    const double figures[3][3] = {
        {63540.20, 10037.93, 36459.80}, {22456.38, 5413.92, 41083.82}, {0, 792.49, 22456.38}};
    for (std::size_t y = 1; y <= 3; ++y) {
        balance[y] = figures[y - 1][0];
        interest[y] = figures[y - 1][1];
        capital[y] = figures[y - 1][2];
    }
    business::LoanGraph graph;
    test::RecordingOutputDialogs dialogs;
    graph.setDialogs(dialogs);
    graph.LoanAmortGraph(3, 2, 2, balance, interest, capital);
    graph.show();
    graph.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&graph));

    auto *bars = qobject_cast<QStackedBarSeries *>(graph.chart()->series().value(0));
    ASSERT_NE(bars, nullptr);
    const QPointF middle = graph.chart()->mapToPosition(QPointF(1, 41083.82 / 2), bars);
    QTest::mouseMove(graph.view()->viewport(), graph.view()->mapFromScene(middle));
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }));
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Year 2\nCapital paid in the year: R 41 083.82"));

    QTemporaryDir dir;
    struct Row {
        const char *button;
        QString save;
        QString print;
        QString written; // empty: nothing may be written
        const char *start;
    };
    const Row rows[] = {
        {"cmdSavePicture",
         dir.filePath(QStringLiteral("graph.png")),
         {},
         dir.filePath(QStringLiteral("graph.png")),
         "\x89PNG"},
        {"cmdSavePicture",
         dir.filePath(QStringLiteral("graph.pdf")),
         {},
         dir.filePath(QStringLiteral("graph.pdf")),
         "%PDF"},
        {"cmdSavePicture",
         dir.filePath(QStringLiteral("graph")),
         {},
         dir.filePath(QStringLiteral("graph.png")),
         "\x89PNG"},
        {"cmdPrintGraph",
         {},
         dir.filePath(QStringLiteral("printed.pdf")),
         dir.filePath(QStringLiteral("printed.pdf")),
         "%PDF"},
        {"cmdPrintGraph", {}, {}, {}, ""},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.written.toStdString());
        for (const QString &f : QDir(dir.path()).entryList(QDir::Files))
            QFile::remove(dir.filePath(f));
        dialogs.savePath = row.save;
        dialogs.printFile = row.print;
        QTest::mouseClick(graph.findChild<QAbstractButton *>(QString::fromLatin1(row.button)),
                          Qt::LeftButton);
        QFile file(row.written);
        if (row.written.isEmpty()) {
            EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
            continue;
        }
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.read(4).startsWith(row.start));
        EXPECT_GT(file.size(), 2000);
    }
    EXPECT_TRUE(dialogs.failures.isEmpty());
}

} // namespace
