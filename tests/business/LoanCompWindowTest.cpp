#include "business/frmLoanComp.h"
#include "common/WindowFixture.h"
#include "report/PrintPanel.h"

#include <QTableView>

using namespace quillon;
using business::frmLoanComp;

namespace {

class LoanCompWindow : public test::WindowFixture {
protected:
    QAbstractItemModel &grid() { return *control<QTableView>("grdPayments")->model(); }
    QString cell(int row, int column) { return grid().index(row, column).data().toString(); }
};

TEST_F(LoanCompWindow, GridRows) {
    struct Row {
        const char *rate;
        int row;
        const char *label, *repayment, *interest, *paid;
    };
    const Row rows[] = {
        {"12", 3, "20 yrs.", "1 101.09", "164 260.67", "264 260.67"},
        {"0", 0, "5 yrs.", "0.00", "-100 000.00", "0.00"},
    };
    open<frmLoanComp>();
    EXPECT_EQ(grid().headerData(2, Qt::Horizontal).toString(), QStringLiteral("Total Interest"));
    for (const Row &row : rows) {
        type("numBAmt", QStringLiteral("100000"));
        type("numIntRate", QString::fromLatin1(row.rate));
        click("cmdCalculate");
        EXPECT_EQ(cell(row.row, 0), QString::fromLatin1(row.label));
        EXPECT_EQ(cell(row.row, 1), QString::fromLatin1(row.repayment));
        EXPECT_EQ(cell(row.row, 2), QString::fromLatin1(row.interest));
        EXPECT_EQ(cell(row.row, 3), QString::fromLatin1(row.paid));
    }
    // A rate of 0 prints nothing: the focus goes to OK.
    click("cmdPrint");
    EXPECT_FALSE(control<report::PrintPanel>("fraPrint")->isVisible());
    EXPECT_TRUE(control<QWidget>("cmdOK")->hasFocus());
}

TEST_F(LoanCompWindow, RememberedAndPrinted) {
    open<frmLoanComp>();
    type("numBAmt", QStringLiteral("100000"));
    type("numIntRate", QStringLiteral("12"));
    click("cmdCalculate");
    m_window.reset();
    open<frmLoanComp>();
    EXPECT_EQ(cell(3, 1), QStringLiteral("1 101.09"));
    click("cmdPrint");
    EXPECT_TRUE(control<report::PrintPanel>("fraPrint")->isVisible());
    EXPECT_NEAR(reportValue(QStringLiteral("BondComp"), QStringLiteral("MonRep4")).toDouble(),
                1101.09, 0.005);
}

} // namespace
