// Writes the program's own icon at one size as a PNG for the desktop's icon theme, so the
// installed icon is the one the windows show.
//   quillon_icon_png <size> <file.png>
#include "controls/AppIcon.h"

#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>

int main(int argc, char **argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int size = argc == 3 ? QByteArray(argv[1]).toInt() : 0;
    if (size <= 0) {
        std::fputs("usage: quillon_icon_png <size> <file.png>\n", stderr);
        return 2;
    }
    const QPixmap pixmap = quillon::applicationIcon().pixmap(QSize(size, size), 1.0);
    if (pixmap.size() != QSize(size, size) || !pixmap.save(QString::fromLocal8Bit(argv[2]), "PNG"))
        return 1;
    return 0;
}
