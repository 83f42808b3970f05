#include "cli/Runner.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv) {
    // The tool never shows a window; reports are drawn off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    quillon::cli::CommandRegistry registry;
    quillon::cli::registerPayeCommands(registry);
    quillon::cli::registerPackageCommands(registry);
    quillon::cli::registerVehicleCommands(registry);
    quillon::cli::registerBusinessCommands(registry);

    QTextStream in(stdin);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return quillon::cli::runCommandLine(registry, QCoreApplication::arguments(), in, out, err);
}
