#include "report/PrintPanel.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace quillon::report;

namespace {

PrintPanel::Options periodPanel() {
    PrintPanel::Options o;
    o.languageChoice = true;
    o.nameField = true;
    o.nameCaption = QStringLiteral("&Name :");
    return o;
}

TEST(PrintPanel, StartsHiddenWithTheControlsTheWindowsAddress) {
    QWidget window;
    PrintPanel panel(periodPanel(), &window);
    EXPECT_TRUE(panel.isHidden());
    EXPECT_EQ(panel.objectName(), QStringLiteral("fraPrint"));
    for (const char *name : {"cmdVR", "cmdPD", "cmdCancel", "Option1", "Option2", "Text1"})
        EXPECT_TRUE(panel.findChild<QWidget *>(QString::fromLatin1(name))) << name;
    EXPECT_EQ(panel.findChild<QLineEdit *>(QStringLiteral("Text1"))->maxLength(), 50);
    EXPECT_EQ(panel.language(), PrintLanguage::English) << "view and print always print something";
}

// The keyboard drives the panel as the captions promise: Alt+A, Alt+E, Alt+V, Alt+R, Alt+C.
TEST(PrintPanel, AcceleratorsChooseTheLanguageAndTheOutput) {
    QWidget window;
    window.resize(600, 300);
    PrintPanel panel(periodPanel(), &window);
    window.show();
    panel.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QSignalSpy chosen(&panel, &PrintPanel::outputChosen);
    QSignalSpy cancelled(&panel, &PrintPanel::cancelled);

    // A mnemonic clicks its button the way a mouse would: after a short animation.
    auto press = [&window](Qt::Key key) {
        QTest::keyClick(&window, key, Qt::AltModifier);
        QTest::qWait(150);
    };
    press(Qt::Key_A);
    EXPECT_EQ(panel.language(), PrintLanguage::Afrikaans);
    press(Qt::Key_E);
    EXPECT_EQ(panel.language(), PrintLanguage::English);
    press(Qt::Key_V);
    press(Qt::Key_R);
    ASSERT_EQ(chosen.count(), 2);
    EXPECT_EQ(chosen[0][0].value<Destination>(), Destination::Preview);
    EXPECT_EQ(chosen[1][0].value<Destination>(), Destination::Printer);
    press(Qt::Key_C);
    EXPECT_EQ(cancelled.count(), 1);

    QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("J. Smith"));
    EXPECT_EQ(panel.employeeName(), QStringLiteral("J. Smith"));
}

} // namespace
