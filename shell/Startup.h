#pragma once

#include "shell/ProgramRecord.h"
#include "shell/UpdateCheck.h"

#include <functional>
#include <future>

namespace quillon::shell {

class MDIForm1;
class frmDisclaimerYesNo;

// What start-up reaches outside the program through; tests put in their own.
struct StartupHooks {
    WebNumberFetcher fetchWebNumber = [](const QString &address) {
        return shell::fetchWebNumberInHelper(address);
    };
    // The program-state record, when it is already being read (main() starts the read before
    // making the main window, so the file is opened while the window is built and shown);
    // otherwise it is read at its step.
    std::shared_future<ProgramRecordRead> programRecord;
    // Why the user's own data files could not be set up (startupDataPaths), told at start.
    QString userDataProblem;
    // Shows the disclaimer modally and returns when it is answered.
    std::function<void(frmDisclaimerYesNo &)> askDisclaimer = defaultAskDisclaimer;

    static void defaultAskDisclaimer(frmDisclaimerYesNo &dialog);
};

enum class StartupOutcome {
    Running, // the user has the program
    Ended,   // the disclaimer was not accepted: the main window is closed
};

// The start-up steps, in order, on a main window made with its paths: the background picture,
// the caption, showing the window, the shared reset, the program-state record, the about
// window, the update check (in the background: start-up never waits for it) and the disclaimer. A
// missing picture, program-state file or data file is told to the user once, and start-up goes on
// with the safe values (about not shown, disclaimer not yet accepted).
StartupOutcome runStartup(MDIForm1 &mainWindow, const StartupHooks &hooks = {});

} // namespace quillon::shell
