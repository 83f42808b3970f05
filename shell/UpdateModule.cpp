#include "forms/LazyModule.h"
#include "shell/UpdateCheck.h"

namespace quillon::shell {

double fetchWebNumberFromModule(const QString &address, int deadlineMs) {
    using Fetch = double(const QString &, int);
    Fetch *fetch = moduleFunction<Fetch>(QStringLiteral("quillon_update"), "quillonFetchWebNumber");
    return fetch ? fetch(address, deadlineMs) : 0;
}

} // namespace quillon::shell
