#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace quillon {
class MessageService;
}

namespace quillon::shell {

// The desktop calculators tried, in order of preference.
QStringList calculatorCandidates();

// The folders of the PATH environment variable.
QStringList systemSearchPath();

// The first calculator of the candidates found in `searchPath`, or an empty text.
QString findSystemCalculator(const QStringList &searchPath);

// The value of XDG_CURRENT_DESKTOP ("GNOME", "KDE", "XFCE", ...), empty when unset.
QString currentDesktop();

// The Debian package of the calculator that suits `desktop` (an XDG_CURRENT_DESKTOP value).
QString calculatorPackageFor(const QString &desktop);

// What the user is told when no calculator is installed: the package to install.
QString noCalculatorMessage(const QString &desktop);

// Starts the desktop's calculator on its own. When none is found the user is told which
// package to install, and when the one found will not start, that it would not; both with the
// application's title and no icon. True when it started.
bool startSystemCalculator(MessageService &messages, QWidget *parent,
                           const QStringList &searchPath = systemSearchPath(),
                           const QString &desktop = currentDesktop());

} // namespace quillon::shell
