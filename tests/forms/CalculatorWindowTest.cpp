#include "forms/CalculatorWindow.h"
#include "common/WindowFixture.h"
#include "controls/Form.h"
#include "controls/NumericEdit.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using namespace quillon;
using Pattern = CalculatorWindow::PrintPattern;

namespace {

struct Inputs {
    double amount = 0;
    std::int16_t count = 0;
};

// A window with two fields, a calculate button and a print panel of the pattern it is given.
// It prints when its amount is above zero.
class SampleWindow : public CalculatorWindow {
public:
    SampleWindow(const AppContext &context, Pattern pattern)
        : CalculatorWindow(context, QStringLiteral("frmSample"), QStringLiteral("Sample")) {
        setFields({money(QStringLiteral("numAmount"), QStringLiteral("Amount"), m_inputs.amount),
                   number(QStringLiteral("numCount"), QStringLiteral("Count"), m_inputs.count,
                          tax::kDailyBeneficiaries)});
        addButton(QStringLiteral("cmdCalculate"), QStringLiteral("&Calculate"),
                  [this] { calculate(); });
        setPrinting(pattern, {});
        addCloseButton(QStringLiteral("cmdOK"), QStringLiteral("&OK"));
        finishLayout();
    }
    using CalculatorWindow::control;
    bool calculate() override {
        ++calculations;
        return true;
    }

    Inputs m_inputs;
    int calculations = 0;
    int jobsAsked = 0;
    int activations = 0;

protected:
    void activated() override { ++activations; }
    std::optional<report::PrintJob> printJob(std::optional<report::PrintLanguage>) override {
        ++jobsAsked;
        if (m_inputs.amount <= 0)
            return std::nullopt;
        report::PrintJob job;
        job.tables = {report::ReportData::singleRecord(
            QStringLiteral("DailyBal"), {{QStringLiteral("CapAmount"), m_inputs.amount}})};
        job.layoutName = QStringLiteral("Sample.rpt");
        return job;
    }
};

class CalculatorWindowTest : public test::WindowFixture {
protected:
    SampleWindow &openSample(Pattern pattern) {
        auto *window = new SampleWindow(*m_context, pattern);
        m_window.reset(window);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        return *window;
    }
    report::PrintPanel *panel() { return m_window->findChild<report::PrintPanel *>(); }
};

TEST_F(CalculatorWindowTest, UnknownNamesAreAnErrorInEveryBuild) {
    SampleWindow &w = openSample(Pattern::ChooseLanguage);
    EXPECT_THROW(w.control(QStringLiteral("numAmont")), UnknownFieldError);
    EXPECT_THROW(std::as_const(w).form().widget(QStringLiteral("cmdCalculate")), UnknownFieldError);
    EXPECT_NE(w.control(QStringLiteral("cmdCalculate")), nullptr);
}

TEST_F(CalculatorWindowTest, TypedValuesReachTheStructAndAnAcceleratorCommitsFirst) {
    SampleWindow &w = openSample(Pattern::ChooseLanguage);
    type("numAmount", QStringLiteral("1234.5"));
    QTest::keyClick(&w, Qt::Key_C, Qt::AltModifier);
    QTest::qWait(150); // a mnemonic clicks after the button's short animation
    EXPECT_EQ(w.calculations, 1);
    EXPECT_DOUBLE_EQ(w.m_inputs.amount, 1234.5);
}

TEST_F(CalculatorWindowTest, AValuePastTheLimitIsToldAndHeldToIt) {
    SampleWindow &w = openSample(Pattern::ChooseLanguage);
    type("numCount", QStringLiteral("20"));
    click("cmdCalculate");
    EXPECT_EQ(w.m_inputs.count, 16);
    QTest::qWait(50); // the message waits for the click to end
    ASSERT_FALSE(m_messages.messages().empty());
    EXPECT_EQ(m_messages.last().text, QStringLiteral("Count must be from 0 to 16."));
}

// A text the field cannot take stops every way a command can come: Enter, a click, an
// accelerator and a print. Each tells the field's message once, with the focus back in it.
TEST_F(CalculatorWindowTest, NoCommandRunsOnATextAFieldCannotTake) {
    SampleWindow &w = openSample(Pattern::ChooseLanguage);
    type("numAmount", QStringLiteral("250"));
    QTest::keyClick(control("numAmount"), Qt::Key_Return);
    ASSERT_EQ(w.calculations, 1);

    const std::function<void()> commands[] = {
        [&] { QTest::keyClick(control("numAmount"), Qt::Key_Return); },
        [&] { click("cmdCalculate"); },
        [&] {
            QTest::keyClick(control("numAmount"), Qt::Key_C, Qt::AltModifier);
            QTest::qWait(150);
        },
        [&] { click("cmdPrint"); },
    };
    for (const auto &command : commands) {
        m_messages.clear();
        type("numAmount", QStringLiteral("1,000.505"));
        command();
        QTest::qWait(50);
        EXPECT_EQ(w.calculations, 1);
        EXPECT_EQ(w.jobsAsked, 0);
        EXPECT_EQ(w.m_inputs.amount, 250);
        ASSERT_EQ(m_messages.messages().size(), 1u);
        EXPECT_EQ(m_messages.last().title, QStringLiteral("Amount"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return control("numAmount")->hasFocus(); }));
    }
}

TEST_F(CalculatorWindowTest, AnOpenPanelDisablesTheRowUntilItCloses) {
    openSample(Pattern::PanelThenWrite);
    click("cmdPrint");
    EXPECT_TRUE(panel()->isVisible());
    for (const char *name : {"cmdCalculate", "cmdPrint", "cmdOK"})
        EXPECT_FALSE(control(name)->isEnabled()) << name;
    click("cmdCancel");
    EXPECT_FALSE(panel()->isVisible());
    for (const char *name : {"cmdCalculate", "cmdPrint", "cmdOK"})
        EXPECT_TRUE(control(name)->isEnabled()) << name;
}

// In a client area smaller than its form, a window grows to the area and no further: the form
// scrolls and the button row stays in view.
TEST_F(CalculatorWindowTest, AWindowFitsASmallClientAreaWithItsButtonsInView) {
    QMainWindow main;
    auto *area = new QMdiArea;
    main.setCentralWidget(area);
    main.resize(480, 180);
    main.show();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    auto *window = new SampleWindow(*m_context, Pattern::PanelThenWrite);
    QMdiSubWindow *frame = area->addSubWindow(window);
    frame->resize(120, 80);
    frame->show();
    const QRect room = area->viewport()->rect();
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame->width() > 120; }));
    EXPECT_TRUE(room.contains(frame->geometry()));
    for (const char *name : {"cmdCalculate", "cmdPrint", "cmdOK"}) {
        QWidget *button = window->control(QString::fromLatin1(name));
        const QRect shown(button->mapTo(area->viewport(), QPoint(0, 0)), button->size());
        EXPECT_TRUE(room.contains(shown)) << name;
    }
}

TEST_F(CalculatorWindowTest, ANarrowWindowShowsItsWholePrintPanel) {
    SampleWindow &w = openSample(Pattern::PanelThenWrite);
    click("cmdPrint");
    EXPECT_TRUE(w.rect().contains(panel()->geometry()));
}

TEST_F(CalculatorWindowTest, PatternCWithoutAResultShowsNoPanelAndFocusesOK) {
    SampleWindow &w = openSample(Pattern::WriteThenPanel);
    click("cmdPrint");
    EXPECT_FALSE(panel()->isVisible());
    QTest::qWait(0);
    EXPECT_EQ(QApplication::focusWidget(), w.control(QStringLiteral("cmdOK")));
}

TEST_F(CalculatorWindowTest, PatternCWritesOnPrintAndDRefusesAtTheButtons) {
    SampleWindow &c = openSample(Pattern::WriteThenPanel);
    c.m_inputs.amount = 500;
    click("cmdPrint");
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_EQ(reportValue(QStringLiteral("DailyBal"), QStringLiteral("CapAmount")).toDouble(), 500);

    SampleWindow &d = openSample(Pattern::CheckOnOutput);
    click("cmdPrint");
    EXPECT_EQ(d.jobsAsked, 0);
    click("cmdVR");
    EXPECT_EQ(d.jobsAsked, 1);
    EXPECT_TRUE(panel()->isVisible()); // nothing valid: the panel stays for another try
}

TEST_F(CalculatorWindowTest, TheWindowsAcceleratorsWinOverTheMainMenus) {
    QMainWindow main;
    QMenu *menu = main.menuBar()->addMenu(QStringLiteral("&Car Calculations"));
    auto *area = new QMdiArea;
    main.setCentralWidget(area);
    auto *window = new SampleWindow(*m_context, Pattern::PanelThenWrite);
    area->addSubWindow(window)->show();
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    window->control(QStringLiteral("numAmount"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
    QTest::qWait(150);
    EXPECT_EQ(window->calculations, 1);
    EXPECT_FALSE(menu->isVisible());
}

// The frame and the window are both told of one activation; the window hears it once.
TEST_F(CalculatorWindowTest, EachActivationInAFrameIsHeardOnce) {
    QMainWindow main;
    auto *area = new QMdiArea;
    main.setCentralWidget(area);
    auto *window = new SampleWindow(*m_context, Pattern::ChooseLanguage);
    QMdiSubWindow *frame = area->addSubWindow(window);
    QMdiSubWindow *other = area->addSubWindow(new QWidget);
    frame->show();
    other->show();
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    for (int round = 1; round <= 2; ++round) {
        area->setActiveSubWindow(other);
        const int before = window->activations;
        area->setActiveSubWindow(frame);
        EXPECT_EQ(window->activations, before + 1) << round;
    }
}

TEST_F(CalculatorWindowTest, AnOpenPanelKeepsTabAndAnswersEnterAndEscape) {
    SampleWindow &w = openSample(Pattern::PanelThenWrite);
    QTest::keyClick(w.control(QStringLiteral("numAmount")), Qt::Key_Return);
    EXPECT_EQ(w.calculations, 1); // Enter in a field presses the window's first button

    click("cmdPrint");
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_TRUE(panel()->isAncestorOf(QApplication::focusWidget()));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(panel()->isVisible());
}

} // namespace
