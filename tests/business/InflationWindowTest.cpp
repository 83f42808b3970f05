#include "business/frmInflation.h"
#include "common/WindowFixture.h"
#include "controls/Spinner.h"
#include "report/PrintPanel.h"

#include <QLabel>
#include <QToolButton>

using namespace quillon;
using business::frmInflation;

namespace {

class InflationWindow : public test::WindowFixture {
protected:
    void enter(const char *cost, const char *years, const char *rate) {
        QCoreApplication::processEvents(); // a refusal hands the focus back late
        type("numPresCost", QString::fromLatin1(cost));
        type("numPeriod", QString::fromLatin1(years));
        type("numInflaRate", QString::fromLatin1(rate));
        click("cmdCalculate");
    }
    void spin(const char *spinner, bool up) {
        auto *arrows = control<Spinner>(spinner);
        QTest::mouseClick(up ? arrows->upButton() : arrows->downButton(), Qt::LeftButton);
    }
};

TEST_F(InflationWindow, WorkedFigures) {
    struct Row {
        const char *cost, *years, *rate;
        const char *future, *power; // whole rand as shown
    };
    const Row rows[] = {
        {"1000", "2", "10", "1 210", "826"},
        {"1000", "5", "0", "1 000", "1 000"},
        {"1000", "0", "10", "1 000", "1 000"},
        {"1000", "1", "-5", "950", "1 053"},
    };
    open<frmInflation>();
    for (const Row &row : rows) {
        enter(row.cost, row.years, row.rate);
        EXPECT_EQ(shown("numAns1").remove(u' ').toDouble(),
                  QString::fromLatin1(row.future).remove(u' ').toDouble())
            << row.years << " " << row.rate;
        EXPECT_EQ(shown("numAns2").remove(u' ').toDouble(),
                  QString::fromLatin1(row.power).remove(u' ').toDouble())
            << row.years << " " << row.rate;
    }
    enter("1000", "2", "10");
    EXPECT_NEAR(result("numAns2"), 826.45, 0.005);
}

TEST_F(InflationWindow, TooLargeHidesTheValueAndRefusesToPrint) {
    open<frmInflation>();
    enter("1000000000", "40", "40");
    EXPECT_TRUE(control<QLabel>("Label212")->isVisible());
    EXPECT_FALSE(control<QWidget>("numAns1")->isVisible());
    click("cmdPrint");
    EXPECT_FALSE(control<report::PrintPanel>("fraPrint")->isVisible());
    EXPECT_TRUE(control<QWidget>("cmdOK")->hasFocus());
}

TEST_F(InflationWindow, SpinnersWrapAndBeep) {
    open<frmInflation>();
    enter("1000", "40", "30");
    spin("spInflation", true);
    EXPECT_EQ(shown("numInflaRate"), QStringLiteral("-5.000"));
    spin("spInflation", false);
    EXPECT_EQ(shown("numInflaRate"), QStringLiteral("30.000"));
    spin("spPeriod", true);
    EXPECT_EQ(shown("numPeriod"), QStringLiteral("1"));
    spin("spPeriod", false);
    EXPECT_EQ(shown("numPeriod"), QStringLiteral("40"));
    EXPECT_EQ(m_messages.beeps(), 1);
    EXPECT_TRUE(control<QWidget>("cmdOK")->hasFocus());
}

TEST_F(InflationWindow, RefusalsRememberedFiguresAndPrint) {
    open<frmInflation>();
    enter("1000", "41", "10");
    EXPECT_EQ(m_messages.last().text, QStringLiteral("The maximum period allowed 40 years"));
    enter("1000", "2", "-6");
    EXPECT_EQ(m_messages.last().title, QStringLiteral("Incorrect Inflation Rate!"));
    enter("1000", "2", "10");
    m_window.reset();
    open<frmInflation>();
    EXPECT_DOUBLE_EQ(result("numAns1"), 1210.0);
    click("cmdPrint");
    EXPECT_TRUE(control<report::PrintPanel>("fraPrint")->isVisible());
    EXPECT_DOUBLE_EQ(reportValue(QStringLiteral("Inflation"), QStringLiteral("Ans1")).toDouble(),
                     1210.0);
}

} // namespace
