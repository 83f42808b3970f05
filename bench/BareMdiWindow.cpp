// The yardstick for the start-up benchmark: a bare Qt main window with an MDI area and a menu,
// telling the time and stopping as soon as it takes input, like the program does under
// QUILLON_QUIT_WHEN_READY; without it the window stays open, for the idle memory.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QTimer>

#include <chrono>
#include <cstdio>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QMdiArea);
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"), &app, &QCoreApplication::quit);
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    window.resize(1000, 720); // the size the program's main window opens at
    window.show();
    if (qEnvironmentVariableIsSet("QUILLON_QUIT_WHEN_READY"))
        QTimer::singleShot(0, &app, [] {
            std::printf("ready %lld\n", static_cast<long long>(
                                            std::chrono::duration_cast<std::chrono::microseconds>(
                                                std::chrono::system_clock::now().time_since_epoch())
                                                .count()));
            QCoreApplication::quit();
        });
    return QApplication::exec();
}
