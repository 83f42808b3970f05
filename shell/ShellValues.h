#pragma once

#include "shell/ProgramRecord.h"

#include <optional>

namespace quillon::shell {

// What the shell holds for the whole run besides the data paths: the start-up preferences as
// the user changes them, the disclaimer answer and the fetched web number.
struct ShellValues {
    bool showAbout = false;                 // from ViewAbout; the about window's check box
    std::optional<bool> disclaimerAccepted; // unset until the disclaimer is answered
    double webNumber = 0;                   // from the update check
    ProgramRecord record;                   // as read at start-up (the web addresses)
};

} // namespace quillon::shell
