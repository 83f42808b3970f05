// The yardstick for one quillon-calc call: a bare Qt Core program that starts its application
// object, reads one line and writes it back.
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    char line[65536];
    while (std::fgets(line, sizeof line, stdin))
        std::fputs(line, stdout);
    return 0;
}
