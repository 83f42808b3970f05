// The update check's own small program: fetches the address it is given and prints the web
// number found (0 for any failure). The desktop program runs it rather than loading the
// networking libraries, which would stay in its memory for the rest of the session.
//   quillon-update-check ADDRESS DEADLINE_MS
#include "shell/UpdateCheck.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <cstdio>

int main(int argc, char **argv) {
    const QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    bool ok = false;
    const int deadlineMs = arguments.size() == 3 ? arguments.at(2).toInt(&ok) : 0;
    if (!ok || deadlineMs <= 0) {
        std::fputs("usage: quillon-update-check ADDRESS DEADLINE_MS\n", stderr);
        return 2;
    }
    const double number = quillon::shell::fetchWebNumber(arguments.at(1), deadlineMs);
    std::printf("%s\n",
                QByteArray::number(number, 'g', QLocale::FloatingPointShortest).constData());
    return 0;
}
