// Build-time generator of the picture and the manual delivered beside the program.
//   quillon-datagen picture <out.jpg>
//   quillon-datagen help <out.pdf> <chapter.md>...
#include "BackgroundPicture.h"
#include "HelpManual.h"

#include <QGuiApplication>
#include <QImageWriter>
#include <QStringList>

#include <cstdio>

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() >= 3 && args.at(1) == QLatin1String("picture")) {
        QImageWriter writer(args.at(2), "jpg");
        writer.setQuality(92);
        if (!writer.write(quillon::datagen::drawBackgroundPicture(QSize(1600, 1000)))) {
            std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(args.at(2)),
                         qPrintable(writer.errorString()));
            return 1;
        }
        return 0;
    }
    if (args.size() >= 4 && args.at(1) == QLatin1String("help")) {
        const QString error = quillon::datagen::writeHelpManual(args.at(2), args.mid(3));
        if (!error.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        return 0;
    }
    std::fprintf(stderr, "usage: quillon-datagen picture <out.jpg> | help <out.pdf> <md>...\n");
    return 2;
}
