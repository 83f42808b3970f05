#include <QApplication>

#include <gtest/gtest.h>

#include <clocale>

// Every test binary runs headless in the C locale, whether ctest, gtest discovery or a person
// starts it.
int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "C");
    std::setlocale(LC_ALL, "C");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
