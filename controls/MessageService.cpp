#include "controls/MessageService.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace quillon {

namespace {

QMessageBox::Icon toQt(MessageService::Icon icon) {
    switch (icon) {
    case MessageService::Icon::None:
        return QMessageBox::NoIcon;
    case MessageService::Icon::Information:
        return QMessageBox::Information;
    case MessageService::Icon::Warning:
        return QMessageBox::Warning;
    case MessageService::Icon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QString applicationTitle() {
    return QStringLiteral("Quillon 2017");
}

void QtMessageService::inform(QWidget *parent, const QString &text, const QString &title,
                              Icon icon) {
    QMessageBox box(toQt(icon), title.isEmpty() ? applicationTitle() : title, text, QMessageBox::Ok,
                    parent);
    box.exec();
}

MessageService::Answer QtMessageService::ask(QWidget *parent, const QString &text,
                                             const QString &title, Icon icon) {
    QMessageBox box(toQt(icon), title.isEmpty() ? applicationTitle() : title, text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void QtMessageService::beep() {
    QApplication::beep();
}

void informAfterClick(MessageService &messages, QWidget *parent, const QString &text,
                      const QString &title, MessageService::Icon icon) {
    if (QGuiApplication::mouseButtons() == Qt::NoButton) {
        messages.inform(parent, text, title, icon);
        return;
    }
    auto *wait = new QTimer(parent);
    wait->setInterval(20);
    QObject::connect(wait, &QTimer::timeout, wait, [wait, &messages, parent, text, title, icon] {
        if (QGuiApplication::mouseButtons() != Qt::NoButton)
            return;
        wait->stop();
        wait->deleteLater();
        messages.inform(parent, text, title, icon);
    });
    wait->start();
}

} // namespace quillon
