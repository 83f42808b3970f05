#include "common/WindowFixture.h"
#include "vehicle/CompCarList.h"
#include "vehicle/frmCompCar.h"

#include <QApplication>

using namespace quillon;
using vehicle::frmCompCar;

namespace {

class CompCarWindow : public test::WindowFixture {
protected:
    // A vehicle typed in and added (the first from the empty list, the others after Add).
    void enterVehicle(const QString &registration, const QString &price) {
        const bool first = m_state.memory<quillon::vehicle::CompCarList>().CMVMaxNum == 0;
        if (!first)
            click("cmdAdd");
        type("txtCCRegNumber", registration);
        type("numCCPrice", price);
        type("numEndMileage", QStringLiteral("40000"));
        type("numStartMileage", QStringLiteral("10000"));
        type("numBusDistance", QStringLiteral("12000"));
        click(first ? "cmdAdd" : "cmdCalculate");
    }
    QString caption() { return m_window->windowTitle(); }
    QVariant printed(const char *expression) {
        return reportValue(QStringLiteral("compcar"), QString::fromLatin1(expression));
    }
};

TEST_F(CompCarWindow, RegistrationNumberOpensTheWindow) {
    open<frmCompCar>();
    EXPECT_EQ(caption(), QStringLiteral("Full use of Company Car :  Vehicle number 0 of 0"));
    EXPECT_FALSE(control("numCCPrice")->isEnabled());
    EXPECT_FALSE(control("cmdCalculate")->isEnabled());
    EXPECT_TRUE(control("cmdAdd")->isEnabled());
    type("txtCCRegNumber", QStringLiteral("CA 1"));
    EXPECT_TRUE(control("numCCPrice")->isEnabled());
    EXPECT_TRUE(control("chkSARSTable")->isEnabled());
    EXPECT_FALSE(control("cmdForward")->isEnabled());
}

// Calculate on the typed first vehicle, before Add, tells the user and shows no figures; closing
// the window then stays silent.
TEST_F(CompCarWindow, CalculateBeforeAddTellsTheUser) {
    open<frmCompCar>();
    type("txtCCRegNumber", QStringLiteral("CA 1"));
    type("numBusDistance", QStringLiteral("12000"));
    click("cmdCalculate");
    EXPECT_TRUE(m_messages.last().text.startsWith(u"There is no vehicle in the list"));
    EXPECT_EQ(result("numPrivateDistance"), 0);
    m_window->close();
    EXPECT_EQ(m_messages.messages().size(), 1u);
}

// The first worked vehicle: R300 000, no plan, the whole year, 12 000 of 30 000 km on business
// with a log book, R126 000 on the IRP5s, fuel R20 000 less R5 000, insurance and licence.
TEST_F(CompCarWindow, EveryFieldHasASpokenName) {
    open<frmCompCar>();
    expectEveryFieldNamed();
    EXPECT_EQ(control("numWeekFB20")->accessibleName(),
              QStringLiteral("Weekly f/benefit amount for this car at 20%"));
}

// The whole window, the 20% figures included, fits a 1024-pixel screen without scrolling.
TEST_F(CompCarWindow, FitsWithinAThousandPixels) {
    open<frmCompCar>();
    EXPECT_LE(m_window->sizeHint().width(), 1000);
}

TEST_F(CompCarWindow, WorkedFiguresOfOneVehicle) {
    open<frmCompCar>();
    enterVehicle(QStringLiteral("CA 1"), QStringLiteral("300000"));
    type("txtCCRegNumber", QStringLiteral("CA 1"));
    control<QAbstractButton>("chkBussMilage")->click(); // the box is wider than its text
    type("numActual3802", QStringLiteral("126000"));
    type("numActualExpEmployee", QStringLiteral("20000"));
    type("numFuelReimbEmployer", QStringLiteral("5000"));
    type("numEmpPaidInsurance", QStringLiteral("6000"));
    type("numEmpPaidLicence", QStringLiteral("1000"));
    click("cmdCalculate");
    EXPECT_EQ(caption(), QStringLiteral("Full use of Company Car :  Vehicle number 1 of 1"));
    const std::pair<const char *, double> expected[] = {
        {"numCCMonths", 365},
        {"numPrivateDistance", 18000},
        {"numTrueInclusion", 75600},
        {"numFuelClaim", 9000},
        {"numTotAddExpense", 4200},
        {"numFuelExp", 13200},
        {"numAdjustTaxableInc", -63600},
        {"numIRP53802", 126000},
        {"numMonFB80", 8400},
        {"numFortFB80", 3876.8},
        {"numWeekFB20", 484.6},
        {"numTotAdjustTaxableInc", -63600},
    };
    for (const auto &[name, value] : expected)
        EXPECT_NEAR(result(name), value, 1e-6) << name;
    EXPECT_EQ(shown("numFB3802ThisCar"), QStringLiteral("126000"));
}

// Three vehicles: browsing wraps round, the list outlives the window, a deletion closes the
// gap, the print writes one row per vehicle, and Initialise All empties the list.
TEST_F(CompCarWindow, ListOfThreeVehicles) {
    copyLayout(QStringLiteral("compcar.rpt"));
    open<frmCompCar>();
    enterVehicle(QStringLiteral("CA 1"), QStringLiteral("100000"));
    enterVehicle(QStringLiteral("CA 2"), QStringLiteral("200000"));
    EXPECT_TRUE(control("chkAutoCalc3802")->isVisible());
    EXPECT_TRUE(control<QAbstractButton>("chkAutoCalc3802")->isChecked());
    enterVehicle(QStringLiteral("CA 3"), QStringLiteral("300000"));
    click("cmdForward");
    EXPECT_EQ(shown("txtCCRegNumber"), QStringLiteral("CA 1"));
    click("cmdBack");
    EXPECT_EQ(shown("txtCCRegNumber"), QStringLiteral("CA 3"));

    m_window->close();
    open<frmCompCar>();
    EXPECT_EQ(caption(), QStringLiteral("Full use of Company Car :  Vehicle number 1 of 3"));
    EXPECT_EQ(shown("numCCPrice"), QStringLiteral("100000"));

    click("cmdPrint");
    click("cmdVR");
    EXPECT_TRUE(m_messages.messages().empty()) << m_messages.last().text.toStdString();
    delete m_reports->lastPreview();
    EXPECT_EQ(printed("COUNT(*)").toInt(), 3);
    EXPECT_EQ(printed("GROUP_CONCAT(CCRegNumber)").toString(), QStringLiteral("CA 1,CA 2,CA 3"));
    EXPECT_EQ(printed("MIN(CMVMaxNum)").toInt(), 3);

    click("cmdForward");
    click("cmdDelete");
    EXPECT_EQ(caption(), QStringLiteral("Full use of Company Car :  Vehicle number 1 of 2"));
    click("cmdForward");
    EXPECT_EQ(shown("txtCCRegNumber"), QStringLiteral("CA 3"));

    m_window->close();
    m_state.resetAll();
    open<frmCompCar>();
    EXPECT_EQ(caption(), QStringLiteral("Full use of Company Car :  Vehicle number 0 of 0"));
}

// An end date before the start is refused, and the window will not close until the user has
// left the end field.
TEST_F(CompCarWindow, RefusedEndDateKeepsTheWindowOpen) {
    open<frmCompCar>();
    enterVehicle(QStringLiteral("CA 1"), QStringLiteral("100000"));
    type("txtCCRegNumber", QStringLiteral("CA 1"));
    type("dtCCStartDate", QStringLiteral("01092016"));
    type("dtCCEndDate", QStringLiteral("01062016"));
    EXPECT_FALSE(m_window->close());
    ASSERT_GE(m_messages.messages().size(), 2u);
    EXPECT_EQ(m_messages.last().text,
              QStringLiteral("The dates entered are not correct please enter a dates between "
                             "01/03/2016 and 28/02/2017"));
    QTest::qWait(0);
    EXPECT_EQ(QApplication::focusWidget(), control("dtCCStartDate"));
    EXPECT_TRUE(m_window->close());
}

} // namespace
