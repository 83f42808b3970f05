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

bool startSystemCalculator(MessageService &messages, QWidget *parent,
                           const QStringList &searchPath) {
    const QString program = findSystemCalculator(searchPath);
    if (!program.isEmpty() && QProcess::startDetached(program, {}))
        return true;
    messages.inform(parent, kNoCalculatorMessage, {}, MessageService::Icon::None);
    return false;
}

} // namespace quillon::shell
