#include "business/LoanBuster.h"
#include "business/LoanMemory.h"
#include "business/frmLoanBuster.h"
#include "common/WindowFixture.h"
#include "report/PrintPanel.h"

#include <QLabel>

using namespace quillon;
using business::frmLoanBuster;

namespace {

class LoanBusterWindow : public test::WindowFixture {
protected:
    void enter(const char *principal, const char *months, const char *rate, const char *extra) {
        QCoreApplication::processEvents(); // a refusal hands the focus back late
        type("numPrinAmount", QString::fromLatin1(principal));
        type("numPeriod", QString::fromLatin1(months));
        type("numIntRate", QString::fromLatin1(rate));
        type("numXtraPay", QString::fromLatin1(extra));
        click("cmdCalculate");
    }
};

TEST_F(LoanBusterWindow, WorkedFigures) {
    struct Row {
        const char *extra;
        const char *shownExtra;
        double newPeriod, newRepayment, saving;
    };
    // R 100 000 over 240 months at 12 %: R 1 101.09 a month.
    const Row rows[] = {
        {"200", "200.34", 147, 1301.43, 72951.03},
        {"0", "0.00", 240, 1101.09, 0},
    };
    open<frmLoanBuster>();
    for (const Row &row : rows) {
        enter("100000", "240", "12", row.extra);
        EXPECT_NEAR(result("numMonRePay"), 1101.09, 0.005) << row.extra;
        EXPECT_EQ(shown("numXtraPay"), QString::fromLatin1(row.shownExtra));
        EXPECT_EQ(result("numAns2"), row.newPeriod) << row.extra;
        EXPECT_NEAR(result("numAns14"), row.newRepayment, 0.005) << row.extra;
        EXPECT_NEAR(result("numAns17"), row.saving, 0.005) << row.extra;
    }
}

TEST_F(LoanBusterWindow, ColumnsAreHeadedAsPrinted) {
    open<business::frmLoanBuster>();
    QStringList heads;
    for (const QLabel *label : m_window->findChildren<QLabel *>())
        if (label->font().bold())
            heads << label->text();
    heads.sort();
    EXPECT_EQ(heads,
              (QStringList{QStringLiteral("The loan"), QStringLiteral("With the extra payment")}));
}

TEST_F(LoanBusterWindow, SharesTheRepaymentAndForgetsThePeriodOnClose) {
    open<frmLoanBuster>();
    enter("100000", "240", "12", "200");
    EXPECT_NEAR(m_state.memory<quillon::business::LoanMemory>().repayment, 1301.43, 0.005);
    // Again: the adjusted extra payment already gives whole months.
    click("cmdCalculate");
    EXPECT_EQ(shown("numXtraPay"), QStringLiteral("200.34"));
    EXPECT_NEAR(result("numAns17"), 72951.03, 0.005);
    click("cmdPrint");
    EXPECT_TRUE(control<report::PrintPanel>("fraPrint")->isVisible());
    EXPECT_EQ(reportValue(QStringLiteral("BondBust"), QStringLiteral("Xper")).toInt(), 147);
    m_window.reset();
    open<frmLoanBuster>();
    EXPECT_EQ(shown("numPeriod"), QStringLiteral("0"));
    EXPECT_EQ(result("numMonRePay"), 0);
    EXPECT_DOUBLE_EQ(m_state.memory<quillon::business::BusterMemory>().principal, 100000.0);
}

// After a worked case, too large an extra payment clears the right column and says why.
TEST_F(LoanBusterWindow, TooLargeAnExtraPaymentIsTold) {
    open<frmLoanBuster>();
    enter("100000", "240", "12", "200");
    enter("100000", "240", "12", "20000");
    EXPECT_EQ(m_messages.last().title, QStringLiteral("Extra Payment Too Large!"));
    EXPECT_EQ(result("numAns2"), 0);
    EXPECT_EQ(result("numAns17"), 0);
}

TEST_F(LoanBusterWindow, RefusesRateAndPeriod) {
    open<frmLoanBuster>();
    enter("100000", "601", "12", "0");
    EXPECT_EQ(m_messages.last().text, QStringLiteral("The maximum period  allowed is 600 months"));
    enter("100000", "240", "51", "0");
    EXPECT_EQ(m_messages.last().text, QStringLiteral("The maximum interest rate allowed is 50%"));
}

} // namespace
