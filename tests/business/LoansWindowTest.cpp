#include "business/LoanGraph.h"
#include "business/LoanGridModel.h"
#include "business/LoanGridPanel.h"
#include "business/LoanMemory.h"
#include "business/LoanSchedule.h"
#include "business/frmLoans.h"
#include "common/WindowFixture.h"
#include "controls/NumericEdit.h"

#include <QAccessible>
#include <QApplication>
#include <QChart>
#include <QDir>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>

using namespace quillon;
using business::frmLoans;

namespace {

class LoansWindow : public test::WindowFixture {
protected:
    // Opens the window in a mode and types the three figures it solves from.
    frmLoans &enter(const char *mode,
                    std::initializer_list<std::pair<const char *, const char *>> typed) {
        frmLoans &w = open<frmLoans>();
        click(mode);
        for (const auto &[name, text] : typed)
            type(name, QString::fromLatin1(text));
        click("cmdCalculate");
        return w;
    }
    bool visible(const char *name) { return control(name)->isVisible(); }
};

struct Worked {
    const char *name;
    const char *mode;
    std::vector<std::pair<const char *, const char *>> typed;
    const char *solved;
    const char *shownText;
    const char *focusAfterChoice;
};

// P = 100 000 at 12 % over 240 months repays R 1 101.09 a month (R 1 101.0861 unrounded).
const Worked kWorked[] = {
    {"repayment",
     "optLoanCalc0",
     {{"numPrinAmount", "100000"}, {"numPeriod", "240"}, {"numIntRate", "12"}},
     "numMonRePay",
     "1101.09",
     "numPrinAmount"},
    {"principal",
     "optLoanCalc1",
     {{"numPeriod", "240"}, {"numIntRate", "12"}, {"numMonRePay", "1101.09"}},
     "numPrinAmount",
     "100000.35",
     "numPeriod"},
    {"period",
     "optLoanCalc2",
     {{"numPrinAmount", "100000"}, {"numIntRate", "12"}, {"numMonRePay", "1101.09"}},
     "numPeriod",
     "240",
     "numPrinAmount"},
    {"rate",
     "optLoanCalc3",
     {{"numPrinAmount", "100000"}, {"numPeriod", "240"}, {"numMonRePay", "1101.09"}},
     "numIntRate",
     "12.000",
     "numPrinAmount"},
};

TEST_F(LoansWindow, EachModeSolvesItsFigureAndMarksItsField) {
    for (const Worked &row : kWorked) {
        SCOPED_TRACE(row.name);
        m_state.resetAll();
        open<frmLoans>();
        click(row.mode);
        QTest::qWait(0);
        EXPECT_EQ(QApplication::focusWidget(), control(row.focusAfterChoice));
        for (const auto &[name, text] : row.typed)
            type(name, QString::fromLatin1(text));
        click("cmdCalculate");
        EXPECT_EQ(shown(row.solved), QString::fromLatin1(row.shownText));
        auto *solved = control<NumericEdit>(row.solved);
        EXPECT_TRUE(solved->isReadOnly());
        EXPECT_EQ(solved->focusPolicy(), Qt::ClickFocus);
        for (const auto &[name, text] : row.typed)
            EXPECT_FALSE(control<NumericEdit>(name)->isReadOnly()) << name;
        EXPECT_EQ(control<QLabel>("Label121")->text(), control<QAbstractButton>(row.mode)->text());
    }
}

// A screen reader chooses a mode through the option's "toggle" action, with no click.
TEST_F(LoansWindow, TheToggleActionOfAModeSwitchesTheWindow) {
    open<frmLoans>();
    QAccessibleInterface *option =
        QAccessible::queryAccessibleInterface(control<QRadioButton>("optLoanCalc2"));
    ASSERT_TRUE(option && option->actionInterface());
    option->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(control<QRadioButton>("optLoanCalc2")->isChecked());
    EXPECT_EQ(control<QLabel>("Label121")->text(),
              control<QAbstractButton>("optLoanCalc2")->text());
    EXPECT_TRUE(control<NumericEdit>(kWorked[2].solved)->isReadOnly());
}

TEST_F(LoansWindow, FinanceChargesToggleAndFollowTheCalculation) {
    enter("optLoanCalc0",
          {{"numPrinAmount", "100000"}, {"numPeriod", "240"}, {"numIntRate", "12"}});
    EXPECT_FALSE(visible("numAns1"));
    click("cmdFinCharge");
    EXPECT_TRUE(visible("numAns2"));
    EXPECT_NEAR(result("numAns1"), 164260.67, 0.005);
    EXPECT_NEAR(result("numAns2"), 264260.67, 0.005);
    type("numPeriod", QStringLiteral("120"));
    click("cmdCalculate");
    EXPECT_NEAR(result("numAns2"), 120 * m_state.memory<quillon::business::LoanMemory>().repayment,
                1e-6);
    click("cmdFinCharge");
    EXPECT_FALSE(visible("numAns1"));
}

struct Refusal {
    const char *field;
    const char *typed;
    QString message;
    QString title;
};

TEST_F(LoansWindow, PeriodAndRateAboveTheirLimitsAreRefused) {
    const Refusal rows[] = {
        {"numPeriod", "601", business::kLoanPeriodMessage, QStringLiteral("Incorrect Period!")},
        {"numIntRate", "50.001", business::kLoanRateMessage,
         QStringLiteral("Incorrect Interest Rate!")},
    };
    open<frmLoans>();
    for (const Refusal &row : rows) {
        SCOPED_TRACE(row.field);
        m_messages.clear();
        type(row.field, QString::fromLatin1(row.typed));
        QTest::keyClick(control(row.field), Qt::Key_Tab);
        QTest::qWait(0);
        ASSERT_FALSE(m_messages.messages().empty());
        EXPECT_EQ(m_messages.last().text, row.message);
        EXPECT_EQ(m_messages.last().title, row.title);
        EXPECT_EQ(QApplication::focusWidget(), control(row.field));
    }
}

TEST_F(LoansWindow, ASolvedRateAboveFiftyShowsTheErrorMarker) {
    enter("optLoanCalc3", {{"numPrinAmount", "1000"}, {"numPeriod", "12"}, {"numMonRePay", "200"}});
    EXPECT_TRUE(visible("Text1"));
    EXPECT_GT(m_state.memory<quillon::business::LoanMemory>().rate, 50);
    type("numMonRePay", QStringLiteral("90"));
    click("cmdCalculate");
    EXPECT_FALSE(visible("Text1"));
}

// Too small a repayment in "Repayment period" mode stays as typed however often the window
// calculates, and the user is told.
TEST_F(LoansWindow, ARepaymentBelowTheInterestIsKeptAndTold) {
    enter("optLoanCalc2",
          {{"numPrinAmount", "100000"}, {"numIntRate", "12"}, {"numMonRePay", "900"}});
    click("cmdCalculate");
    EXPECT_EQ(shown("numMonRePay"), QStringLiteral("900.00"));
    EXPECT_EQ(m_messages.last().title, QStringLiteral("Repayment Too Small!"));
}

TEST_F(LoansWindow, FiguresOutliveTheWindowUntilInitialiseAll) {
    enter("optLoanCalc3",
          {{"numPrinAmount", "100000"}, {"numPeriod", "240"}, {"numMonRePay", "1101.09"}});
    click("cmdFinCharge");
    // Another window (the loan buster) may change the shared figures: activation works again.
    m_state.memory<quillon::business::LoanMemory>().period = 120;
    QEvent deactivate(QEvent::WindowDeactivate);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(m_window.get(), &deactivate);
    QApplication::sendEvent(m_window.get(), &activate);
    EXPECT_EQ(shown("numPeriod"), QStringLiteral("120"));
    EXPECT_NE(shown("numIntRate"), QStringLiteral("12.000"));
    m_state.memory<quillon::business::LoanMemory>().period = 240;
    QApplication::sendEvent(m_window.get(), &deactivate);
    QApplication::sendEvent(m_window.get(), &activate);
    m_window->close();
    open<frmLoans>();
    EXPECT_TRUE(control<QAbstractButton>("optLoanCalc3")->isChecked());
    EXPECT_EQ(shown("numIntRate"), QStringLiteral("12.000"));
    EXPECT_TRUE(visible("numAns1"));
    m_window->close();
    m_state.resetAll();
    open<frmLoans>();
    EXPECT_TRUE(control<QAbstractButton>("optLoanCalc0")->isChecked());
    EXPECT_EQ(shown("numPrinAmount"), QStringLiteral("100000.00"));
    for (const char *name : {"numPeriod", "numIntRate", "numMonRePay"})
        EXPECT_DOUBLE_EQ(control<NumericEdit>(name)->value(), 0) << name;
    EXPECT_FALSE(visible("numAns1"));
}

// R 100 000 at 12 % over 30 months: R 3 874.81 a month; month 1 pays R 1 000 of interest.
class LoanSchedules : public LoansWindow {
protected:
    void SetUp() override {
        LoansWindow::SetUp();
        enter("optLoanCalc0",
              {{"numPrinAmount", "100000"}, {"numPeriod", "30"}, {"numIntRate", "12"}});
    }
    const business::LoanGridPanel &grid() {
        return *static_cast<frmLoans *>(m_window.get())->gridPanel();
    }
    QStringList gridRow(int row) {
        const auto &rows = grid().model().schedule().rows;
        return rows.at(static_cast<std::size_t>(row));
    }
};

TEST_F(LoanSchedules, MonthlyGridListsEveryMonthAndScrolls) {
    QTest::qWait(0);
    const QSize before = m_window->size();
    click("cmdMonAmort");
    ASSERT_TRUE(grid().isOpen());
    const QAbstractItemModel &model = grid().model();
    EXPECT_EQ(model.rowCount(), 30);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral(" Month   "));
    EXPECT_EQ(gridRow(0), (QStringList{QStringLiteral("1"), QStringLiteral("2 874.81"),
                                       QStringLiteral("1 000.00"), QStringLiteral("97 125.19")}));
    EXPECT_EQ(grid().view()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    const int longHeight = grid().view()->height();
    click("cmdGridClose");
    EXPECT_FALSE(grid().isOpen());
    QTest::qWait(0);
    EXPECT_EQ(QApplication::focusWidget(), control("cmdOk"));
    // The window gives back the room the grid took.
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_window->size() == before; }));

    type("numPeriod", QStringLiteral("5"));
    click("cmdCalculate");
    click("cmdMonAmort");
    EXPECT_EQ(grid().model().rowCount(), 5);
    EXPECT_LT(grid().view()->height(), longHeight);
}

TEST_F(LoanSchedules, AnnualGridEndsWithThePartYear) {
    click("cmdAnnAmort");
    ASSERT_TRUE(grid().isOpen());
    EXPECT_EQ(grid().model().headerData(1, Qt::Horizontal).toString(),
              QStringLiteral("Capital payments"));
    ASSERT_EQ(grid().model().rowCount(), 3);
    EXPECT_EQ(gridRow(0), (QStringList{QStringLiteral("1"), QStringLiteral("36 459.80"),
                                       QStringLiteral("10 037.93"), QStringLiteral("63 540.20")}));
    EXPECT_EQ(gridRow(2).at(0), QStringLiteral("3"));
    EXPECT_EQ(gridRow(2).at(3).trimmed(), QStringLiteral("0.00"));
}

TEST_F(LoanSchedules, EachScheduleOpensAtItsFirstRow) {
    type("numPeriod", QStringLiteral("360"));
    click("cmdCalculate");
    click("cmdMonAmort");
    grid().view()->scrollToBottom();
    click("cmdGridClose");
    click("cmdAnnAmort");
    ASSERT_GT(grid().view()->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(grid().view()->verticalScrollBar()->value(), 0);
}

TEST_F(LoanSchedules, GridsAndGraphAreRefusedWithoutTheirFigures) {
    struct Row {
        const char *period;
        const char *button;
        const char *focus;
        bool told; // a complete loan is told why; a missing figure is not
    };
    for (const Row &row :
         {Row{"12", "cmdAnnAmort", "numPrinAmount", true}, Row{"12", "cmdLoanGraph", "cmdOk", true},
          Row{"0", "cmdMonAmort", "numPrinAmount", false}}) {
        SCOPED_TRACE(row.button);
        m_messages.clear();
        type("numPeriod", QString::fromLatin1(row.period));
        click("cmdCalculate");
        click(row.button);
        QTest::qWait(0);
        EXPECT_FALSE(grid().isOpen());
        EXPECT_EQ(m_window->findChild<business::LoanGraph *>(), nullptr);
        EXPECT_EQ(QApplication::focusWidget(), control(row.focus));
        EXPECT_EQ(!m_messages.messages().empty() &&
                      m_messages.last().text == business::kAnnualNeedsAYearMessage,
                  row.told);
    }
}

TEST_F(LoanSchedules, GraphPlotsTheYearEndBalanceAndTheYearsPayments) {
    click("cmdLoanGraph");
    auto *graph = m_window->findChild<business::LoanGraph *>();
    ASSERT_NE(graph, nullptr);
    EXPECT_TRUE(graph->isVisible());
    const auto &series = graph->series();
    ASSERT_EQ(series.balance.size(), 3u);
    EXPECT_NEAR(series.balance[0], 63540.20, 0.005);
    EXPECT_DOUBLE_EQ(series.balance[2], 0);
    EXPECT_NEAR(series.interest[0], 10037.93, 0.005);
    EXPECT_NEAR(series.capital[0] + series.capital[1] + series.capital[2], 100000, 1e-6);
    EXPECT_EQ(graph->chart()->series().size(), 2);
    EXPECT_EQ(graph->chart()->axes().size(), 3);
    EXPECT_TRUE(graph->chart()->legend()->isVisible());
}

// View and printer recalculate first and print only complete figures; the panel stays open
// otherwise. Each print rewrites the Loans record and the Amort rows of its schedule.
TEST_F(LoansWindow, PrintsOnlyCompleteFiguresWithTheChosenSchedule) {
    const QDir layouts(test::sourcePath(QStringLiteral("data/layouts")));
    for (const QString &name :
         layouts.entryList({QStringLiteral("LonrepaA.rpt"), QStringLiteral("loan-*.inc")}))
        copyLayout(name);
    enter("optLoanCalc0", {{"numPrinAmount", "100000"}, {"numIntRate", "12"}});
    click("cmdPrint");
    click("cmdVR");
    EXPECT_TRUE(visible("fraPrint"));
    EXPECT_EQ(m_reports->lastPreview(), nullptr);
    click("cmdPrintCancel");

    type("numPeriod", QStringLiteral("240"));
    click("cmdPrint");
    EXPECT_FALSE(control("fraIncAmort")->isEnabled());
    click("Check1");
    EXPECT_TRUE(control("fraIncAmort")->isEnabled());
    EXPECT_TRUE(control<QAbstractButton>("Option10")->isChecked());
    click("Option11");
    click("cmdVR");
    EXPECT_FALSE(visible("fraPrint"));
    ASSERT_NE(m_reports->lastPreview(), nullptr);
    delete m_reports->lastPreview();
    EXPECT_EQ(m_reports->windowTitle(),
              QStringLiteral("Annual repayment of Loan with Monthly Amortisation - To export "
                             "printout click on the suitcase button or goto Help"));
    const auto loans = [this](const char *field) {
        return reportValue(QStringLiteral("Loans"), QString::fromLatin1(field));
    };
    EXPECT_EQ(loans("Heading").toString(), QStringLiteral("Monthly repayment"));
    EXPECT_NEAR(loans("Num4").toDouble(), 1101.0861, 1e-4);
    EXPECT_EQ(loans("YearMon").toString(), QStringLiteral("Month"));
    EXPECT_EQ(loans("FinText1").toString(), QString());
    EXPECT_EQ(reportValue(QStringLiteral("Amort"), QStringLiteral("COUNT(*)")).toInt(), 240);

    // Annual schedule of 30 months, finance charges shown: three rows replace the 240.
    type("numPeriod", QStringLiteral("30"));
    click("cmdFinCharge");
    click("cmdPrint");
    click("Option10");
    click("cmdVR");
    delete m_reports->lastPreview();
    EXPECT_EQ(loans("YearMon").toString(), QStringLiteral("Year"));
    EXPECT_EQ(loans("FinText1").toString(), QStringLiteral("Total Interest"));
    EXPECT_NEAR(loans("FinNum2").toDouble(), 30 * 3874.8113, 1e-3);
    EXPECT_EQ(reportValue(QStringLiteral("Amort"), QStringLiteral("COUNT(*)")).toInt(), 3);
    EXPECT_EQ(reportValue(QStringLiteral("Amort"), QStringLiteral("MAX(Year)")).toInt(), 3);
}

} // namespace
