#include <QCoreApplication>

#include <gtest/gtest.h>

#include <clocale>

// The calculation cores and quillon-calc are tested as they run: without a GUI application
// and without any widget library, in the C locale.
int main(int argc, char **argv) {
    qputenv("LC_ALL", "C");
    std::setlocale(LC_ALL, "C");
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
