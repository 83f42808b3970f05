#include "common/WindowFixture.h"
#include "paye/WeekWindow.h"
#include "paye/frmDaily.h"
#include "paye/frmKwikTax.h"
#include "paye/frmMonthly.h"

#include <QApplication>
#include <QLabel>

using namespace quillon;

namespace {

class PeriodWindow : public test::WindowFixture {
protected:
    // Prints to the preview in Afrikaans and returns the record's TypeAM.
    QString printAfrikaans(const QString &table) {
        click("cmdPrint");
        click("Option2");
        click("cmdVR");
        EXPECT_TRUE(m_messages.messages().empty()) << m_messages.last().text.toStdString();
        delete m_reports->lastPreview();
        return reportValue(table, QStringLiteral("TypeAM")).toString();
    }
    void expectRefusal(const QString &text, const QString &title, const char *focus) {
        ASSERT_FALSE(m_messages.messages().empty());
        EXPECT_EQ(m_messages.last().text, text);
        EXPECT_EQ(m_messages.last().title, title);
        QTest::qWait(0);
        EXPECT_EQ(QApplication::focusWidget(), control(focus));
        m_messages.clear();
    }
};

// Worked figures of each period: the age and salary, a bonus, and the tax and levy they give
// with the delivered settings (UIF 1 % each side, skills levy 1 %, UIF limit R 14 872).
TEST_F(PeriodWindow, MonthlyWorkedFigure) {
    open<paye::frmMonthly>();
    type("silgEdit9", QStringLiteral("40"));
    type("numSalRemun", QStringLiteral("20000"));
    click("cmdCalculate");
    EXPECT_EQ(shown("numMAns"), QStringLiteral("2 821.67"));
    EXPECT_EQ(shown("numMAns1"), QStringLiteral("148.72"));
    EXPECT_EQ(shown("numMAns3"), QStringLiteral("200.00"));
}

// Typed key by key, a grouped salary is the salary it says; a bonus with cents in the whole-rand
// field is refused and the tax stays that of the figures in force.
TEST_F(PeriodWindow, MonthlyTypedFiguresAreReadWhole) {
    open<paye::frmMonthly>();
    type("silgEdit9", QStringLiteral("40"));
    type("numSalRemun", QStringLiteral("45,000.00"));
    click("cmdCalculate");
    EXPECT_EQ(shown("numSalRemun"), QStringLiteral("45000.00"));
    EXPECT_EQ(shown("numMAns1"), QStringLiteral("148.72"));
    const QString tax = shown("numTaxLiability");
    type("silgEdit12", QStringLiteral("1000.50"));
    click("cmdCalculate");
    QTest::qWait(50); // the message waits for the click to end
    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_EQ(shown("numTaxLiability"), tax);
}

TEST_F(PeriodWindow, EveryFieldHasASpokenName) {
    open<paye::frmMonthly>();
    expectEveryFieldNamed();
    open<paye::frmWeekly>();
    expectEveryFieldNamed();
    open<paye::frmDaily>();
    expectEveryFieldNamed();
    open<paye::frmKwikTax>();
    expectEveryFieldNamed();
}

TEST_F(PeriodWindow, MonthlyDatesMustLieInOneMonthInOrder) {
    open<paye::frmMonthly>();
    type("dtMEndDate", QStringLiteral("01/04/2016"));
    click("cmdCalculate");
    expectRefusal(QStringLiteral("The Start and End dates entered must be for the same Month"),
                  QStringLiteral("Incorrect Date"), "dtMEndDate");
    type("dtMStartDate", QStringLiteral("20/03/2016"));
    type("dtMEndDate", QStringLiteral("10/03/2016"));
    click("cmdCalculate");
    expectRefusal(QStringLiteral("The Start date entered must be before the End date"),
                  QStringLiteral("Incorrect Date"), "dtMStartDate");
}

TEST_F(PeriodWindow, WeeklyWorkedFigureAndDayCount) {
    open<paye::frmWeekly>();
    EXPECT_EQ(shown("silgEdit21"), QStringLiteral("7"));
    type("silgEdit14", QStringLiteral("40"));
    type("numSalRemun", QStringLiteral("1000"));
    type("sidbEdit4", QStringLiteral("10000"));
    click("cmdCalculate");
    EXPECT_EQ(shown("numMAns"), QStringLiteral("1 720.38"));
    EXPECT_EQ(shown("numMAns1"), QStringLiteral("34.32")); // held to the weekly UIF ceiling
    type("silgEdit22", QStringLiteral("8"));
    click("cmdCalculate");
    expectRefusal(QStringLiteral("The number of 'Normal work-week' days must be = to or "
                                 "larger than 'This work-week'."),
                  QStringLiteral("Incorrect Number of Days"), "cmdCalculate");
}

TEST_F(PeriodWindow, FortnightOpensOnFourteenDaysWithItsOwnCaptions) {
    open<paye::frmFortNight>();
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Fortnightly"));
    EXPECT_EQ(shown("silgEdit21"), QStringLiteral("14"));
    EXPECT_EQ(shown("silgEdit22"), QStringLiteral("14"));
    QStringList captions;
    for (const QLabel *label : m_window->findChildren<QLabel *>())
        captions << label->text().remove(u'&');
    EXPECT_TRUE(captions.contains(QStringLiteral("Normal fortnight")));
    EXPECT_TRUE(captions.contains(QStringLiteral("This fortnight")));
}

TEST_F(PeriodWindow, DailyWorkedFigureAndItsBeneficiaryLimit) {
    open<paye::frmDaily>();
    type("silgEdit23", QStringLiteral("40"));
    type("numSalRemun", QStringLiteral("200"));
    type("sidbEdit4", QStringLiteral("5000"));
    click("cmdCalculate");
    EXPECT_EQ(shown("numMAns"), QStringLiteral("884.08"));
    type("numMedAidBens", QStringLiteral("17"));
    click("cmdCalculate");
    EXPECT_EQ(shown("numMedAidBens"), QStringLiteral("16"));
    QTest::qWait(50);
    EXPECT_FALSE(m_messages.messages().empty());
}

struct PrintCase {
    const char *layout;
    QString table;
    QString typeAM;
    std::function<void()> open;
};

TEST_F(PeriodWindow, AfrikaansPreviewsWriteEachPeriodsHeading) {
    const std::vector<PrintCase> cases = {
        {"Monthly.rpt", QStringLiteral("IRP5Mon"), QStringLiteral("Maandelikse Inkomste"),
         [this] { open<paye::frmMonthly>(); }},
        {"Weekly.rpt", QStringLiteral("IRP5Week"), QStringLiteral("Weeklikse Inkomste"),
         [this] { open<paye::frmWeekly>(); }},
        {"FortNightly.rpt", QStringLiteral("IRP5Week"), QStringLiteral("Twee Weeklikse Inkomste"),
         [this] { open<paye::frmFortNight>(); }},
        {"Daily.rpt", QStringLiteral("IRP5Day"), QStringLiteral("Daaglikse Inkomste"),
         [this] { open<paye::frmDaily>(); }},
    };
    for (const PrintCase &c : cases) {
        copyLayout(QString::fromLatin1(c.layout));
        c.open();
        EXPECT_EQ(printAfrikaans(c.table), c.typeAM) << c.layout;
        EXPECT_TRUE(
            m_reports->windowTitle().startsWith(QString::fromLatin1(c.layout).section(u'.', 0, 0) +
                                                QStringLiteral(" - To export printout")))
            << m_reports->windowTitle().toStdString();
    }
}

TEST_F(PeriodWindow, QuickTaxWorkedFigureAndItsRememberedAge) {
    open<paye::frmKwikTax>();
    type("sidbEdit10", QStringLiteral("500000"));
    type("sidbEdit11", QStringLiteral("70"));
    click("cmdCalculate");
    const std::vector<std::pair<const char *, double>> expected = {
        {"sidbEdit12", 96264},  {"sidbEdit13", 36},    {"sidbEdit14", 33696},
        {"sidbEdit15", 129960}, {"sidbEdit16", 20907}, {"sidbEdit17", 109053}};
    for (const auto &[name, value] : expected)
        EXPECT_DOUBLE_EQ(result(name), value) << name;

    // The age outlives the window; the income is the shared lookup's, which another
    // calculator may change while QuickTax is open: activation calculates again.
    open<paye::frmKwikTax>();
    EXPECT_EQ(shown("sidbEdit11"), QStringLiteral("70"));
    m_state.taxLookup.AnnualTaxableIncome = 100000;
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    m_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    EXPECT_EQ(shown("sidbEdit10"), QStringLiteral("100000"));
    EXPECT_DOUBLE_EQ(result("sidbEdit14"), 18000); // 18 % of the whole income
}

} // namespace
