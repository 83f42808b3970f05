// Quillon 2017: the desktop program.
#include "controls/AppIcon.h"
#include "controls/MessageService.h"
#include "forms/AppContext.h"
#include "forms/ProgramState.h"
#include "report/ReportComponent.h"
#include "shell/CalculatorWindows.h"
#include "shell/MDIForm1.h"
#include "shell/ProgramRecord.h"
#include "shell/Startup.h"
#include "shell/UserData.h"
#include "shell/WindowCatalogue.h"
#include "taxengine/DataPaths.h"

#include <QApplication>
#include <QTimer>

#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <future>

int main(int argc, char **argv) {
    // Large blocks (decoded pictures) always get pages of their own, handed back when freed;
    // with the adaptive threshold a worker thread's arena kept a picture's worth after start-up.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    // The worker threads are few and brief (the program-state read, the picture, the update
    // check): one shared arena, rather than an arena each that keeps its pages after the work.
    mallopt(M_ARENA_MAX, 1);
    QApplication app(argc, argv);
    // The main window and every child window show the program's own icon.
    QApplication::setWindowIcon(quillon::applicationIcon());
    QApplication::setApplicationName(QStringLiteral("Quillon 2017"));
    QApplication::setApplicationVersion(QStringLiteral("1.08.000"));

    using namespace quillon;
    // The data files lie beside the program, or the databases in the user's own folder when
    // the program is installed (start-up tells why that folder could not serve, and of a file
    // that is not there).
    shell::StartupHooks hooks;
    const DataPaths paths = shell::startupDataPaths(
        QCoreApplication::applicationDirPath(), shell::userDataFolder(), &hooks.userDataProblem);
    // The program-state record is read on its own thread while the main window is made and
    // shown; start-up needs it only after the first paint.
    hooks.programRecord = std::async(std::launch::async, [path = paths.programStateDatabase] {
                              return shell::ProgramRecordStore(path).read();
                          }).share();
    ProgramState state;
    QtMessageService messages;
    report::ReportComponent reports(paths.programFolder, paths.reportDatabase, messages);
    const AppContext context{paths, state, messages, reports};

    shell::WindowCatalogue catalogue = shell::WindowCatalogue::standard();
    shell::registerCalculatorWindows(catalogue);

    shell::MDIForm1 mainWindow(context, std::move(catalogue));
    if (shell::runStartup(mainWindow, hooks) == shell::StartupOutcome::Ended)
        return 0;
    // The start-up benchmark: as soon as the window takes input, tell the time and stop.
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
