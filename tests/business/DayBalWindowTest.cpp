#include "business/frmDayBal.h"
#include "common/WindowFixture.h"
#include "controls/DateEdit.h"
#include "controls/NumericEdit.h"
#include "controls/Spinner.h"
#include "report/PrintPanel.h"

#include <QToolButton>

using namespace quillon;
using business::frmDayBal;

namespace {

class DayBalWindow : public test::WindowFixture {
protected:
    void enter(const char *capital, const char *start, const char *end, const char *rate) {
        QCoreApplication::processEvents(); // a refusal hands the focus back late
        type("numCapAmount", QString::fromLatin1(capital));
        type("dtStartDate", QString::fromLatin1(start));
        type("dtEndDate", QString::fromLatin1(end));
        type("numIntRate", QString::fromLatin1(rate));
        click("cmdCalculate");
    }
    void spin(const char *spinner, bool up) {
        auto *arrows = control<Spinner>(spinner);
        QTest::mouseClick(up ? arrows->upButton() : arrows->downButton(), Qt::LeftButton);
    }
};

TEST_F(DayBalWindow, WorkedFigures) {
    struct Row {
        const char *capital, *start, *end, *rate;
        double interest;
        int days;
    };
    const Row rows[] = {
        {"10000", "01/03/2016", "01/03/2017", "10", 1000.00, 365},
        {"500000", "01/03/2014", "28/02/2017", "12.5", 187500.00, 1095},
        {"10000", "01/03/2016", "01/03/2016", "10", 0, 0},
    };
    open<frmDayBal>();
    for (const Row &row : rows) {
        enter(row.capital, row.start, row.end, row.rate);
        EXPECT_DOUBLE_EQ(result("numAnsDB1"), row.interest) << row.start << " " << row.end;
        EXPECT_EQ(result("numAnsDB2"), row.days) << row.start << " " << row.end;
    }
    // No interest: "&Print" opens no panel and hands the focus to OK.
    click("cmdPrint");
    EXPECT_FALSE(control<report::PrintPanel>("fraPrint")->isVisible());
    EXPECT_TRUE(control<QWidget>("cmdOk")->hasFocus());
}

TEST_F(DayBalWindow, SpinnersWrapBeepAndStopAtTheStart) {
    open<frmDayBal>();
    enter("10000", "01/03/2016", "01/03/2016", "40");
    spin("spDate", false);
    EXPECT_EQ(shown("dtEndDate"), QStringLiteral("01/03/2016"));
    spin("spDate", true);
    EXPECT_EQ(shown("dtEndDate"), QStringLiteral("02/03/2016"));
    EXPECT_EQ(result("numAnsDB2"), 1);
    spin("spRate", true);
    EXPECT_EQ(shown("numIntRate"), QStringLiteral("0.250"));
    spin("spRate", false);
    EXPECT_EQ(shown("numIntRate"), QStringLiteral("40.000"));
    EXPECT_EQ(m_messages.beeps(), 1);
}

TEST_F(DayBalWindow, RefusalsAndRememberedFigures) {
    open<frmDayBal>();
    enter("10000", "01/03/2016", "05/03/2046", "10");
    EXPECT_EQ(m_messages.last().text,
              QStringLiteral("The date entered is more than 30 years(360 months) after "
                             "01/03/2016."));
    enter("10000", "01/03/2016", "01/03/2017", "41");
    EXPECT_EQ(m_messages.last().title, QStringLiteral("Incorrect Interest Rate!"));
    enter("10000", "01/03/2016", "01/03/2017", "10");
    m_window.reset();
    open<frmDayBal>();
    EXPECT_EQ(shown("dtEndDate"), QStringLiteral("01/03/2017"));
    EXPECT_DOUBLE_EQ(result("numAnsDB1"), 1000.00);
    m_state.resetAll();
    m_window.reset();
    open<frmDayBal>();
    EXPECT_EQ(shown("dtStartDate"), QString());
    EXPECT_EQ(result("numAnsDB2"), 0);
}

// A message does not round the typed capital, and the interest is that of the figure shown.
TEST_F(DayBalWindow, ATypedCapitalStaysAsTyped) {
    open<frmDayBal>();
    enter("12345678.90", "01/03/2016", "29/02/2016", "10");
    EXPECT_EQ(m_messages.last().text,
              QStringLiteral("The end date cannot be before the start date 01/03/2016."));
    enter("12345678.90", "01/03/2016", "01/03/2017", "10");
    EXPECT_EQ(control<NumericEdit>("numCapAmount")->value(), 12345678.90);
    EXPECT_DOUBLE_EQ(result("numAnsDB1"), 1234567.89);
}

TEST_F(DayBalWindow, PrintWritesTheRecordWithJulianDays) {
    open<frmDayBal>();
    enter("500000", "01/03/2014", "28/02/2017", "12.5");
    click("cmdPrint");
    EXPECT_TRUE(control<report::PrintPanel>("fraPrint")->isVisible());
    EXPECT_DOUBLE_EQ(reportValue(QStringLiteral("DailyBal"), QStringLiteral("ANS1")).toDouble(),
                     187500.0);
    EXPECT_EQ(reportValue(QStringLiteral("DailyBal"), QStringLiteral("StartDate")).toInt(),
              2456718);
}

} // namespace
