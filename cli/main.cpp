#include "cli/PdfModule.h"
#include "cli/Runner.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

bool asksForPdf(int argc, char **argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--pdf") == 0)
            return true;
    return false;
}

// Only a PDF needs fonts and a platform to draw on; any other run starts the plain Core
// application, so that a one-line call costs no more than a Qt tool's start.
std::unique_ptr<QCoreApplication> makeApplication(int &argc, char **argv) {
    if (!asksForPdf(argc, argv))
        return std::make_unique<QCoreApplication>(argc, argv);
    // The tool never shows a window; reports are drawn off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a desktop session Qt warns about the missing runtime folder on every run; give it
    // a private one so standard error carries only the tool's own messages.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray runtime = QDir::tempPath().toLocal8Bit() + "/quillon-calc-" +
                                   QByteArray::number(static_cast<qulonglong>(getuid()));
        QDir().mkpath(QString::fromLocal8Bit(runtime));
        QFile::setPermissions(QString::fromLocal8Bit(runtime),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime);
    }
    // Fonts and the platform come with the PDF module; without it the PDF is refused with the
    // reason when it is drawn.
    if (const auto make = reinterpret_cast<MakeGuiApplication *>(
            quillon::cli::pdfModuleFunction(quillon::cli::kMakeGuiApplication)))
        return std::unique_ptr<QCoreApplication>(make(argc, argv));
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char **argv) {
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);

    quillon::cli::CommandRegistry registry;
    quillon::cli::registerPayeCommands(registry);
    quillon::cli::registerPackageCommands(registry);
    quillon::cli::registerVehicleCommands(registry);
    quillon::cli::registerBusinessCommands(registry);

    // Standard input is read straight from its descriptor: a read returns what a pipe holds
    // without waiting for a full buffer, so each line is answered as soon as it arrives.
    const quillon::cli::ReadFunction readInput = [](char *data, qint64 size) -> qint64 {
        for (;;) {
            const ssize_t n = ::read(STDIN_FILENO, data, static_cast<std::size_t>(size));
            if (n >= 0 || errno != EINTR)
                return n;
        }
    };
    QFile out;
    if (!out.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        std::fputs("quillon-calc: standard output cannot be written\n", stderr);
        return quillon::cli::kExitWriteFailed;
    }
    QTextStream err(stderr);
    return quillon::cli::runCommandLine(registry, QCoreApplication::arguments(), readInput, out,
                                        err);
}
