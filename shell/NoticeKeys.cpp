#include "shell/NoticeKeys.h"

#include <QPushButton>
#include <QShortcut>

namespace quillon::shell {

void answerKeysWithOk(QWidget *window, QPushButton *ok) {
    ok->setDefault(true);
    // A child window gets the focus through its frame, which hands it to the proxy.
    window->setFocusProxy(ok);
    for (const int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        auto *shortcut = new QShortcut(QKeySequence(key), window);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcut, &QShortcut::activated, ok, &QPushButton::click);
    }
}

} // namespace quillon::shell
