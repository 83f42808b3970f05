#include "shell/SystemCalculator.h"

#include "controls/MessageService.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace quillon::shell {

QStringList calculatorCandidates() {
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
            QStringLiteral("galculator"),       QStringLiteral("mate-calc"),
            QStringLiteral("qalculate-gtk"),    QStringLiteral("xcalc")};
}

QStringList systemSearchPath() {
    return qEnvironmentVariable("PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
}

QString findSystemCalculator(const QStringList &searchPath) {
    // An empty list would make findExecutable fall back to PATH.
    if (searchPath.isEmpty())
        return {};
    for (const QString &name : calculatorCandidates()) {
        const QString found = QStandardPaths::findExecutable(name, searchPath);
        if (!found.isEmpty())
            return found;
    }
    return {};
}

QString currentDesktop() {
    return qEnvironmentVariable("XDG_CURRENT_DESKTOP");
}

QString calculatorPackageFor(const QString &desktop) {
    // XDG_CURRENT_DESKTOP may list several names ("ubuntu:GNOME"); the first known one decides.
    struct Choice {
        const char *desktop;
        const char *package;
    };
    static constexpr Choice kChoices[] = {
        {"KDE", "kcalc"},
        {"MATE", "mate-calc"},
        {"XFCE", "galculator"},
        {"LXDE", "galculator"},
        {"LXQT", "galculator"},
        {"GNOME", "gnome-calculator"},
        {"CINNAMON", "gnome-calculator"},
    };
    for (const QString &name : desktop.split(u':', Qt::SkipEmptyParts))
        for (const Choice &c : kChoices)
            if (name.compare(QLatin1String(c.desktop), Qt::CaseInsensitive) == 0 ||
                (name.startsWith(QLatin1String("X-")) &&
                 name.mid(2).compare(QLatin1String(c.desktop), Qt::CaseInsensitive) == 0))
                return QString::fromLatin1(c.package);
    return QStringLiteral("gnome-calculator");
}

QString noCalculatorMessage(const QString &desktop) {
    return QStringLiteral("No calculator program is installed on this computer (looked for %1).\n\n"
                          "Install one, for example the package %2:\n    sudo apt install %2")
        .arg(calculatorCandidates().join(QStringLiteral(", ")), calculatorPackageFor(desktop));
}

bool startSystemCalculator(MessageService &messages, QWidget *parent, const QStringList &searchPath,
                           const QString &desktop) {
    const QString program = findSystemCalculator(searchPath);
    if (program.isEmpty()) {
        messages.inform(parent, noCalculatorMessage(desktop), {}, MessageService::Icon::None);
        return false;
    }
    if (QProcess::startDetached(program, {}))
        return true;
    messages.inform(parent,
                    QStringLiteral("The calculator %1 could not be started.")
                        .arg(QDir::toNativeSeparators(program)),
                    {}, MessageService::Icon::None);
    return false;
}

} // namespace quillon::shell
