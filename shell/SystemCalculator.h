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

// Starts the operating system's calculator on its own. When none is found or it will not
// start, the user is told "The Microsoft Calculator is not installed or in the Windows
// directory" with the application's title and no icon. True when it started.
bool startSystemCalculator(MessageService &messages, QWidget *parent,
                           const QStringList &searchPath = systemSearchPath());

inline const QString kNoCalculatorMessage =
    QStringLiteral("The Microsoft Calculator is not installed or in the Windows directory");

} // namespace quillon::shell
