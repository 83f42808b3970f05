#pragma once

#include "taxengine/DataPaths.h"

#include <QString>

namespace quillon::shell {

// The data paths for a program in `programFolder`, formed once at start-up. Delivered files
// that lie beside the program in a folder the user can write (a build folder) are used in
// place. Otherwise (an install, with the files under <prefix>/share/quillon) the three
// databases are the user's own copies in `userFolder`, copied from the delivered ones when
// absent there (and the report database also when the delivered one has another schema
// version); layouts, the manual and the picture are still read from the install.
// Where the folder cannot be made or written, or a copy cannot be made (a full disk), the
// delivered file serves instead and `problem` tells the first reason, with its path.
DataPaths startupDataPaths(const QString &programFolder, const QString &userFolder,
                           QString *problem = nullptr);

// The user's own data folder (QStandardPaths::AppDataLocation).
QString userDataFolder();

} // namespace quillon::shell
