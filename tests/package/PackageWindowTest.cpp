#include "common/WindowFixture.h"
#include "controls/Form.h"
#include "controls/NumericEdit.h"
#include "package/PackagePlaces.h"
#include "package/frmBrisvaneAnn.h"
#include "package/frmBrisvaneMon.h"
#include "package/frmQuillonAnn.h"
#include "package/frmQuillonMon.h"

#include <QLabel>
#include <QPushButton>

#include <utility>

using namespace quillon;
using namespace quillon::package;

namespace {

class PackageWindowTest : public test::WindowFixture {
protected:
    void calculate() { click("cmdCalculate"); }
    bool visible(const char *name) { return control(name)->isVisibleTo(m_window.get()); }
    void openWindow(PackageWindow kind) {
        switch (kind) {
        case PackageWindow::GrossAnnual:
            open<frmBrisvaneAnn>();
            break;
        case PackageWindow::GrossMonthly:
            open<frmBrisvaneMon>();
            break;
        case PackageWindow::NetAnnual:
            open<frmQuillonAnn>();
            break;
        case PackageWindow::NetMonthly:
            open<frmQuillonMon>();
            break;
        }
    }
};

// The worked figures with the delivered settings (UIF 1% each up to R 14 872 a month, skills
// levy 1%, no fund percentages), age 40 and only the first amount typed.
struct Worked {
    const char *label;
    PackageWindow window;
    const char *amount;
    double taxDue, uif, levy, lastAmount, totalCost;
};

TEST_F(PackageWindowTest, ShowsTheWorkedFiguresOfEachWindow) {
    const std::vector<Worked> rows = {
        {"gross annual", PackageWindow::GrossAnnual, "300000", 49780, 1784.64, 3000, 248435.36,
         304784.64},
        {"gross monthly", PackageWindow::GrossMonthly, "15000", 1575, 148.72, 150, 13276.28,
         15298.72},
        {"net annual", PackageWindow::NetAnnual, "200000", 32329.90, 1784.64, 2341.15, 234114.54,
         238240.33},
        {"net monthly", PackageWindow::NetMonthly, "10000", 847.26, 109.57, 109.57, 10956.83,
         11175.97},
    };
    for (const Worked &row : rows) {
        SCOPED_TRACE(row.label);
        openWindow(row.window);
        type("numAge", QStringLiteral("40"));
        type("numNetMonSalReq", QString::fromLatin1(row.amount));
        calculate();
        EXPECT_NEAR(result("numMAns"), row.taxDue, 0.005);
        EXPECT_NEAR(result("numUIFCont"), row.uif, 0.005);
        EXPECT_NEAR(result("numCCUIFCont"), row.uif, 0.005);
        EXPECT_NEAR(result("numCCSkillLev"), row.levy, 0.005);
        EXPECT_NEAR(result("numGrossSal"), row.lastAmount, 0.005);
        EXPECT_NEAR(result("numTotCostComp"), row.totalCost, 0.005);
        EXPECT_FALSE(visible("sivbLB1_11"));
    }
}

// The company's column copies as the user types, before any calculation.
TEST_F(PackageWindowTest, CopiesTypedAmountsIntoTheCostColumn) {
    open<frmBrisvaneAnn>();
    type("numNetMonSalReq", QStringLiteral("1234.5"));
    type("numTravAll", QStringLiteral("600"));
    type("numOtherDet2", QStringLiteral("75"));
    EXPECT_EQ(result("numCCNetMonSalReq"), 1234.5);
    EXPECT_EQ(result("numCCTravAll"), 600);
    EXPECT_EQ(result("numOtherDetCC2"), 75);
}

// The once-off car line and the red warning come and go with each calculation.
TEST_F(PackageWindowTest, OnceOffLineAndWarningFollowTheCalculation) {
    open<frmBrisvaneAnn>();
    type("numAge", QStringLiteral("40"));
    type("numNetMonSalReq", QStringLiteral("300000"));
    type("numCompCar", QStringLiteral("250000"));
    type("numRFundCont", QStringLiteral("90000")); // 27.5% of the package is 82 500
    calculate();
    EXPECT_TRUE(visible("sivbLB1_11"));
    EXPECT_TRUE(visible("sivbLB1_5"));
    EXPECT_EQ(result("numOnceOff"), 250000);
    EXPECT_TRUE(visible("Label1_32"));
    EXPECT_FALSE(control("cmdPrint")->isEnabled());

    type("numCCCompCar", QStringLiteral("1"));
    type("numRFundCont", QStringLiteral("1000"));
    calculate();
    EXPECT_FALSE(visible("sivbLB1_11"));
    EXPECT_FALSE(visible("Label1_32"));
    EXPECT_TRUE(control("cmdPrint")->isEnabled());
}

// The company's figures stand on the rows of the employee's, and Tab reaches its amounts after
// every field of the employee.
TEST_F(PackageWindowTest, CostColumnStandsAcrossAndIsTypedLast) {
    const Form &form = std::as_const(open<frmQuillonAnn>()).form();
    const auto row = [&](const char *name) {
        return form.gridCell(QString::fromLatin1(name)).first;
    };
    EXPECT_EQ(row("numCCCompCar"), row("numCompCar"));
    EXPECT_EQ(row("numCCUIFCont"), row("numUIFCont"));
    EXPECT_EQ(row("numOtherDetCC3"), row("txtOtherDet3"));
    control("numOtherDet3")->setFocus();
    QTest::keyClick(control("numOtherDet3"), Qt::Key_Tab);
    EXPECT_TRUE(control("numCCCompCar")->hasFocus());
}

// Fringe benefits above the net required are told, and the previous figures stay.
TEST_F(PackageWindowTest, FringeBenefitsAboveTheNetKeepThePreviousFigures) {
    open<frmQuillonAnn>();
    type("numAge", QStringLiteral("40"));
    type("numNetMonSalReq", QStringLiteral("200000"));
    calculate();
    type("numTravAll", QStringLiteral("300000"));
    calculate();
    ASSERT_FALSE(m_messages.messages().empty());
    EXPECT_EQ(m_messages.last().text, QStringLiteral("Fringe benefits more than salary required!"));
    EXPECT_NEAR(result("numGrossSal"), 234114.54, 0.005);
}

// The net-to-gross settings hold the two fund percentages to 27.5 together once one is left
// (not at each key: "10" passes through "1"), and say so; the panel's O&K saves and
// recalculates; Escape puts back what the panel opened with.
TEST_F(PackageWindowTest, SettingsPanelKeepsTheFundCeilingAndRecalculates) {
    open<frmQuillonAnn>();
    type("numNetMonSalReq", QStringLiteral("200000"));
    click("cmdSettings");
    EXPECT_FALSE(control("cmdCalculate")->isEnabled());
    type("numPenContPerc", QStringLiteral("20"));
    type("numPenPercentage", QStringLiteral("10"));
    EXPECT_EQ(control<NumericEdit>("numPenContPerc")->value(), 20);
    EXPECT_TRUE(m_messages.messages().empty());
    type("numSkillPercent", QStringLiteral("2"));
    EXPECT_EQ(control<NumericEdit>("numPenContPerc")->value(), 0);
    EXPECT_EQ(control<NumericEdit>("numPenPercentage")->value(), 0);
    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_EQ(m_messages.last().title, QStringLiteral("R/Fund contributions"));
    click("cmdSetupOK");
    EXPECT_TRUE(control("cmdCalculate")->isEnabled());
    const double levy = result("numCCSkillLev");
    EXPECT_GT(levy, 4000);

    click("cmdSettings");
    type("numSkillPercent", QStringLiteral("5"));
    QTest::keyClick(control("numSkillPercent"), Qt::Key_Escape);
    EXPECT_FALSE(control("Frame3")->isVisible());
    EXPECT_EQ(shown("numSkillPercent"), QStringLiteral("2.000"));
    EXPECT_EQ(result("numCCSkillLev"), levy);
}

} // namespace

TEST_F(PackageWindowTest, EveryFieldHasASpokenName) {
    for (PackageWindow kind : {PackageWindow::GrossAnnual, PackageWindow::GrossMonthly,
                               PackageWindow::NetAnnual, PackageWindow::NetMonthly}) {
        openWindow(kind);
        expectEveryFieldNamed();
    }
    EXPECT_EQ(control("numCCMedAidCont")->accessibleName(),
              QStringLiteral("Cost to company: Med. aid fund contributions"));
}

// Either print button writes the window's record and opens the preview under its title.
TEST_F(PackageWindowTest, PrintsThePackageRecord) {
    copyLayout(QStringLiteral("Quillon.rpt"));
    open<frmQuillonMon>();
    type("numAge", QStringLiteral("40"));
    type("numNetMonSalReq", QStringLiteral("10000"));
    click("cmdPrint");
    type("Text1", QStringLiteral("T. Mokoena"));
    click("cmdVR");
    EXPECT_TRUE(m_messages.messages().empty()) << m_messages.last().text.toStdString();
    ASSERT_NE(m_reports->lastPreview(), nullptr);
    EXPECT_EQ(m_reports->lastPreview()->windowTitle(),
              QStringLiteral("Quillon2017 Monthly - To export printout click on the suitcase "
                             "button or goto Help"));
    delete m_reports->lastPreview();
    const auto printed = [this](const char *field) {
        return reportValue(QStringLiteral("SalPackage"), QString::fromLatin1(field));
    };
    EXPECT_EQ(printed("MonAnn").toString(),
              QStringLiteral("Quillon Salary Package Calculation : Monthly"));
    EXPECT_EQ(printed("TPName").toString(), QStringLiteral("T. Mokoena"));
    EXPECT_EQ(printed("RADirective").toString(), QStringLiteral("Med. aid fund beneficiaries"));
    EXPECT_NEAR(printed("GSal").toDouble(), 10956.83, 0.005);
    EXPECT_NEAR(printed("TotCostComp").toDouble(), 11175.97, 0.005);
    EXPECT_FALSE(control("Frame1")->isVisible());
}

// The red fund warning pushes the button row down and makes the window taller (in twips).
TEST(PackagePlaces, TheWarningPushesTheButtonRowDown) {
    for (PackageWindow w : {PackageWindow::GrossAnnual, PackageWindow::GrossMonthly}) {
        EXPECT_EQ(placesOf(w).buttonTop(false), 5520);
        EXPECT_EQ(placesOf(w).buttonTop(true), 6060);
        EXPECT_EQ(placesOf(w).windowHeight(false), 6465);
        EXPECT_EQ(placesOf(w).windowHeight(true), 7000);
    }
    EXPECT_EQ(placesOf(PackageWindow::NetAnnual).buttonTop(true), 6060);
    EXPECT_EQ(placesOf(PackageWindow::NetAnnual).windowHeight(true), 7035);
}
