#include "business/LoanGraph.h"
#include "business/LoanGridModel.h"
#include "business/LoanGridPanel.h"
#include "business/frmLoans.h"
#include "common/WindowFixture.h"
#include "controls/NumericEdit.h"

#include <QApplication>
#include <QChart>
#include <QLabel>
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
};

// P = 100 000 at 12 % over 240 months repays R 1 101.09 a month (R 1 101.0861 unrounded).
const Worked kWorked[] = {
    {"repayment",
     "optLoanCalc0",
     {{"numPrinAmount", "100000"}, {"numPeriod", "240"}, {"numIntRate", "12"}},
     "numMonRePay",
     "1101.09"},
    {"principal",
     "optLoanCalc1",
     {{"numPeriod", "240"}, {"numIntRate", "12"}, {"numMonRePay", "1101.09"}},
     "numPrinAmount",
     "100000.35"},
    {"period",
     "optLoanCalc2",
     {{"numPrinAmount", "100000"}, {"numIntRate", "12"}, {"numMonRePay", "1101.09"}},
     "numPeriod",
     "240"},
    {"rate",
     "optLoanCalc3",
     {{"numPrinAmount", "100000"}, {"numPeriod", "240"}, {"numMonRePay", "1101.09"}},
     "numIntRate",
     "12.000"},
};

TEST_F(LoansWindow, EachModeSolvesItsFigureAndMarksItsField) {
    for (const Worked &row : kWorked) {
        SCOPED_TRACE(row.name);
        m_state.resetAll();
        open<frmLoans>();
        click(row.mode);
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
    EXPECT_NEAR(result("numAns2"), 120 * m_state.loans.repayment, 1e-6);
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
    EXPECT_GT(m_state.loans.rate, 50);
    type("numMonRePay", QStringLiteral("90"));
    click("cmdCalculate");
    EXPECT_FALSE(visible("Text1"));
}

TEST_F(LoansWindow, FiguresOutliveTheWindowUntilInitialiseAll) {
    enter("optLoanCalc3",
          {{"numPrinAmount", "100000"}, {"numPeriod", "240"}, {"numMonRePay", "1101.09"}});
    click("cmdFinCharge");
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

} // namespace
