#include "ShellFixture.h"

#include "shell/CalculatorWindows.h"
#include "shell/MDIForm1.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

using namespace quillon;
using namespace quillon::shell;

namespace {

class CalculatorWindowsTest : public test::ShellFixture {
protected:
    void SetUp() override { prepare(); }
};

// Every window of the menus is wired to its real calculator, and each opens inside a 1024x768
// main window with its OK button in view.
TEST_F(CalculatorWindowsTest, EveryMenuWindowOpensWithinTheMainWindow) {
    WindowCatalogue catalogue = WindowCatalogue::standard();
    registerCalculatorWindows(catalogue);
    MDIForm1 main(context(), catalogue);
    main.resize(1024, 768);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    auto *area = main.findChild<QMdiArea *>();
    for (const WindowEntry &entry : catalogue.entries()) {
        SCOPED_TRACE(entry.windowName.toStdString());
        ASSERT_TRUE(entry.factory);
        QWidget *window = main.openCalculator(entry.windowName);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->objectName(), entry.windowName);
        QTest::qWait(20);
        const QRect room = area->viewport()->rect();
        auto *frame = qobject_cast<QMdiSubWindow *>(window->parentWidget());
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(room.contains(frame->geometry()));
        for (auto *button : window->findChildren<QPushButton *>())
            if (button->text() == u"&OK" && button->isVisible()) {
                const QRect shown(button->mapTo(area->viewport(), QPoint(0, 0)), button->size());
                EXPECT_TRUE(room.contains(shown));
            }
        frame->close();
        QTest::qWait(0);
    }
}

} // namespace
