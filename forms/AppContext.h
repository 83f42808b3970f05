#pragma once

#include "forms/ProgramState.h"
#include "taxengine/DataPaths.h"

namespace quillon {

class MessageService;
namespace report {
class ReportComponent;
}

// What every window is given when it opens: the data-file paths, the program-wide records, the
// message service and the report engine. Windows reach nothing else of the program.
struct AppContext {
    DataPaths paths;
    ProgramState &state;
    MessageService &messages;
    report::ReportComponent &reports;
};

} // namespace quillon
