// The yardstick for the start-up benchmark: a bare Qt main window with an MDI area and a menu,
// stopping as soon as it takes input, like the program does under QUILLON_QUIT_WHEN_READY.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QTimer>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QMdiArea);
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"), &app, &QCoreApplication::quit);
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    window.resize(800, 600);
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
