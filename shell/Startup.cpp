#include "shell/Startup.h"

#include "controls/BusyCursor.h"
#include "controls/MessageService.h"
#include "forms/AppContext.h"
#include "shell/MDIForm1.h"
#include "shell/ProgramRecord.h"
#include "shell/Version.h"
#include "shell/frmDisclaimerYesNo.h"

#include <QApplication>
#include <QFileInfo>
#include <QStringList>
#include <QThread>
#include <QTimer>

#include <memory>

namespace quillon::shell {

void StartupHooks::defaultAskDisclaimer(frmDisclaimerYesNo &dialog) {
    dialog.exec();
}

namespace {

// One message for everything start-up found. A folder that cannot be written or a full disk
// is the user's to put right; reinstalling mends only missing files.
void reportProblems(MDIForm1 &main, const QString &userDataProblem, const QStringList &problems) {
    QStringList parts;
    if (!userDataProblem.isEmpty())
        parts << userDataProblem +
                     QStringLiteral("\nThe program carries on with the delivered files, so "
                                    "settings cannot be saved until this is put right.");
    if (!problems.isEmpty())
        parts << QStringLiteral("Some of the program's files are missing or cannot be read:\n\n") +
                     problems.join(u'\n') +
                     QStringLiteral("\n\nThe program carries on, but what needs these files may "
                                    "not work. Reinstalling the program puts them back.");
    if (!parts.isEmpty())
        main.context().messages.inform(&main, parts.join(QStringLiteral("\n\n")), {},
                                       MessageService::Icon::Warning);
}

void checkForUpdateInBackground(MDIForm1 &main, const WebNumberFetcher &fetch,
                                const QString &address) {
    auto number = std::make_shared<double>(0);
    QThread *worker = QThread::create([fetch, address, number] { *number = fetch(address); });
    // Delivered on the main window's thread; dropped if the window has gone meanwhile.
    QObject::connect(worker, &QThread::finished, &main, [&main, number] {
        main.values().webNumber = *number;
        if (updateIsNewer(*number, programNumber()))
            main.showUpdateNotice();
    });
    QObject::connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    // A program closed while the answer is awaited ends the wait at once, and never exits
    // with the fetch still running.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, worker, [worker] {
        worker->quit();
        worker->wait();
    });
    // Started once the event loop runs, so the work of opening the window has the processors.
    QTimer::singleShot(0, worker, [worker] { worker->start(QThread::LowPriority); });
}

} // namespace

StartupOutcome runStartup(MDIForm1 &main, const StartupHooks &hooks) {
    const AppContext &context = main.context();
    ShellValues &values = main.values();
    QStringList problems;

    // 1, 2: the picture and the caption.
    const QString picture = context.paths.file(QStringLiteral("Quillon.jpg"));
    if (!main.setBackgroundPicture(picture))
        problems << QStringLiteral("The background picture %1 was not found or is not readable.")
                        .arg(picture);
    main.setWindowTitle(mainWindowCaption());

    // 3: painted before anything else happens.
    main.show();
    QApplication::processEvents();

    // 4: every remembered calculator figure to its reset value. The reset takes microseconds
    // and lets no event through, so a busy pointer here could never be seen; loading it from the
    // pointer theme (an animated pointer of several megabytes) cost a sixth of the start-up.
    context.state.resetAll();

    // 5: the paths were formed once from the program folder before the window was made; the
    // data files the calculators need must be there.
    for (const QString &path : {context.paths.settingsDatabase, context.paths.reportDatabase}) {
        if (!QFileInfo(path).isFile())
            problems << QStringLiteral("The data file %1 was not found.").arg(path);
    }

    // 6: the program-state record; without it the about window stays closed and the
    // disclaimer is asked.
    const ProgramRecordRead read =
        hooks.programRecord.valid() ? hooks.programRecord.get()
                                    : ProgramRecordStore(context.paths.programStateDatabase).read();
    if (!read.error.isEmpty())
        problems << read.error;
    values.record = read.record;
    values.showAbout = read.record.viewAbout;
    reportProblems(main, hooks.userDataProblem, problems);

    // 7: the about window.
    if (values.showAbout) {
        const BusyCursor busy;
        main.showAbout();
    }

    // 8: the update check only informs, so start-up never waits for it: the fetch runs on its
    // own thread (giving up after its deadline, any failure giving 0) and the notice appears
    // whenever a newer number arrives.
    if (hooks.fetchWebNumber)
        checkForUpdateInBackground(main, hooks.fetchWebNumber, values.record.updateAddress);

    // 9: the disclaimer, once per release.
    if (disclaimerNumber() > values.record.var1) {
        frmDisclaimerYesNo dialog(context, values, &main);
        hooks.askDisclaimer(dialog);
        if (values.disclaimerAccepted != true) {
            main.close();
            return StartupOutcome::Ended;
        }
    }

    // 10: the acceptance stored once more (the disclaimer window has told of any failure).
    if (values.disclaimerAccepted == true)
        ProgramRecordStore(context.paths.programStateDatabase)
            .writeVar1(static_cast<std::int16_t>(disclaimerNumber()));
    return StartupOutcome::Running;
}

} // namespace quillon::shell
