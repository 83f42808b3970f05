#include "common/WindowFixture.h"
#include "report/PrintPanel.h"
#include "vehicle/CarAllData.h"
#include "vehicle/frmCarAll1.h"
#include "vehicle/frmCompCar.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>

using namespace quillon;
using vehicle::frmCarAll1;

namespace {

class CarAllWindow : public test::WindowFixture {
protected:
    void enterClaim(bool accurate) {
        open<frmCarAll1>();
        if (accurate)
            click("Option4");
        type("silgEdit1", QStringLiteral("200000"));
        type("silgEdit3", QStringLiteral("30000"));
        type("silgEdit4", QStringLiteral("0"));
        type("silgEdit5", accurate ? QStringLiteral("12000") : QStringLiteral("20000"));
        if (accurate)
            type("silgEdit6", QStringLiteral("90000"));
        click("cmdCalculate");
    }
    QVariant printed(const char *field) {
        return reportValue(QStringLiteral("traveldeduction"), QString::fromLatin1(field));
    }
};

// The worked figures of both methods, typed into the window: R 200 000 over a full year with
// 20 000 of 30 000 km on business, and R 90 000 of costs with 12 000 of 30 000 km on business.
TEST_F(CarAllWindow, WorkedFiguresOfBothMethods) {
    enterClaim(false);
    EXPECT_NEAR(result("sidbEdit10"), 228.9466, 1e-4);
    EXPECT_EQ(shown("sidbEdit13"), QStringLiteral("371.4"));
    EXPECT_NEAR(result("sidbEdit14"), 74289.32, 0.01);
    EXPECT_EQ(shown("silgEdit12"), QStringLiteral("365"));
    EXPECT_FALSE(control("sidbEdit26")->isVisible());

    click("Option4");
    EXPECT_TRUE(control("silgEdit6")->isEnabled());
    // The recorded costs are split over the same period, which stays in view.
    EXPECT_TRUE(control("dtCarAlStartDate")->isEnabled());
    EXPECT_EQ(shown("silgEdit12"), QStringLiteral("365"));
    type("silgEdit5", QStringLiteral("12000"));
    type("silgEdit6", QStringLiteral("90000"));
    click("cmdCalculate");
    EXPECT_DOUBLE_EQ(result("sidbEdit24"), 54000);
    EXPECT_DOUBLE_EQ(result("sidbEdit26"), 36000);
    EXPECT_FALSE(control("sidbEdit14")->isVisible());
}

// Reopened, the window shows the period its remembered claim was worked out for, and the same
// inputs give the same claim.
TEST_F(CarAllWindow, AReopenedWindowKeepsThePeriodOfItsClaim) {
    enterClaim(true);
    type("dtCarAlStartDate", QStringLiteral("01092016"));
    click("cmdCalculate");
    const double claim = result("sidbEdit26");
    const QString days = shown("silgEdit12");
    m_window->close();
    open<frmCarAll1>();
    EXPECT_EQ(shown("dtCarAlStartDate"), QStringLiteral("01/09/2016"));
    EXPECT_EQ(shown("silgEdit12"), days);
    click("cmdCalculate");
    EXPECT_DOUBLE_EQ(result("sidbEdit26"), claim);
}

TEST_F(CarAllWindow, EveryFieldHasASpokenName) {
    open<frmCarAll1>();
    expectEveryFieldNamed();
}

TEST_F(CarAllWindow, FiguresOutliveTheWindowUntilInitialiseAll) {
    enterClaim(true);
    type("Text1", QStringLiteral("Sedan"));
    m_window->close();
    open<frmCarAll1>();
    EXPECT_EQ(shown("Text1"), QStringLiteral("Sedan"));
    EXPECT_EQ(shown("silgEdit1"), QStringLiteral("200000"));
    EXPECT_TRUE(control<QAbstractButton>("Option4")->isChecked());
    EXPECT_DOUBLE_EQ(result("sidbEdit26"), 36000);
    m_window->close();
    m_state.resetAll();
    open<frmCarAll1>();
    EXPECT_EQ(shown("Text1"), QString());
    EXPECT_EQ(shown("silgEdit1"), QStringLiteral("0"));
    EXPECT_TRUE(control<QAbstractButton>("Option3")->isChecked());
}

TEST_F(CarAllWindow, LeaseRefusedWhileWearAndTearIsHeld) {
    open<frmCarAll1>();
    click("Option4");
    type("silgEdit10", QStringLiteral("1000"));
    type("silgEdit11", QStringLiteral("500"));
    QTest::keyClick(control("silgEdit11"), Qt::Key_Tab);
    ASSERT_FALSE(m_messages.messages().empty());
    EXPECT_EQ(m_messages.last().title, QStringLiteral("Single Payment"));
    EXPECT_EQ(shown("silgEdit11"), QStringLiteral("0"));
    EXPECT_DOUBLE_EQ(m_state.memory<quillon::vehicle::CarAllMemory>().figures.LeasePayments, 0);
    EXPECT_DOUBLE_EQ(m_state.memory<quillon::vehicle::CarAllMemory>().figures.WearAndTear, 1000);
}

// Escape gives a field back the value it had when it was entered, dates included.
TEST_F(CarAllWindow, EscapeRestoresTheValueTheFieldWasEnteredWith) {
    open<frmCarAll1>();
    type("silgEdit2", QStringLiteral("3000"));
    QTest::keyClick(control("silgEdit2"), Qt::Key_Tab);
    type("silgEdit2", QStringLiteral("9000"));
    QTest::keyClick(control("silgEdit2"), Qt::Key_Escape);
    EXPECT_EQ(shown("silgEdit2"), QStringLiteral("3000"));
    EXPECT_DOUBLE_EQ(m_state.memory<quillon::vehicle::CarAllMemory>().figures.AllowanceReceived,
                     3000);
    EXPECT_EQ(QApplication::focusWidget(), control("silgEdit2"));
    type("dtCarAlStartDate", QStringLiteral("01092016"));
    QTest::keyClick(control("dtCarAlStartDate"), Qt::Key_Escape);
    click("cmdCalculate");
    EXPECT_EQ(shown("silgEdit12"), QStringLiteral("365"));
}

TEST_F(CarAllWindow, IfKeptShowsOnlyForTheDeemedMethod) {
    open<frmCarAll1>();
    const auto remark = [this] {
        for (QLabel *label : m_window->findChildren<QLabel *>())
            if (label->text() == QStringLiteral(" (if kept)"))
                return label->isVisible();
        ADD_FAILURE() << "no remark beside the business distance";
        return false;
    };
    EXPECT_TRUE(remark());
    click("Option4");
    EXPECT_FALSE(remark());
}

// Each method prints through its own layout; the panel opens with the focus on the printer.
TEST_F(CarAllWindow, PrintsTheRecordOfTheMethodChosen) {
    copyLayout(QStringLiteral("caepnrk.rpt"));
    copyLayout(QStringLiteral("caeprk.rpt"));
    for (bool accurate : {false, true}) {
        SCOPED_TRACE(accurate);
        enterClaim(accurate);
        click("cmdPrint");
        QTest::qWait(0);
        EXPECT_EQ(QApplication::focusWidget(), control("cmdPD"));
        type("Text3", QStringLiteral("T. Mokoena"));
        click("cmdVR");
        EXPECT_TRUE(m_messages.messages().empty()) << m_messages.last().text.toStdString();
        ASSERT_NE(m_reports->lastPreview(), nullptr);
        delete m_reports->lastPreview();
        EXPECT_EQ(printed("TPName").toString(), QStringLiteral("T. Mokoena"));
        EXPECT_NEAR(printed("tadeduction").toDouble(), accurate ? 36000 : 74289.32, 0.01);
        EXPECT_EQ(printed(accurate ? "totcost" : "mta14").toDouble(), accurate ? 90000 : 365);
    }
}

// Both vehicle windows take their fields and check boxes from descriptions that give each one a
// sentence of help: its tooltip.
TEST_F(CarAllWindow, EveryFieldAndCheckBoxOfBothWindowsHasHelp) {
    const auto expectHelp = [this] {
        for (QWidget *w : m_window->findChildren<QWidget *>())
            if ((qobject_cast<QLineEdit *>(w) && w->objectName() != QStringLiteral("Text3")) ||
                qobject_cast<QCheckBox *>(w)) {
                EXPECT_FALSE(w->toolTip().isEmpty()) << w->objectName().toStdString();
            }
    };
    open<frmCarAll1>();
    expectHelp();
    open<vehicle::frmCompCar>();
    expectHelp();
}

} // namespace
