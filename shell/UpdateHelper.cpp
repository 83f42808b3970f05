#include "shell/UpdateCheck.h"

#include "shell/ModuleFile.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

namespace quillon::shell {

namespace {

// The helper keeps its own deadline; this margin only catches a helper that hangs.
constexpr int kHelperMarginMs = 2000;

} // namespace

double fetchWebNumberInHelper(const QString &address, int deadlineMs) {
    QProcess helper;
    helper.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    helper.setStandardInputFile(QProcess::nullDevice());
    QEventLoop loop;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&helper, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&helper, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    helper.start(moduleFile(QStringLiteral("quillon-update-check")),
                 {address, QString::number(deadlineMs)});
    if (helper.state() == QProcess::NotRunning)
        return 0;
    guard.start(deadlineMs + kHelperMarginMs);
    // Quitting the thread ends this wait; the helper still running is then killed with it.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (helper.state() != QProcess::NotRunning || helper.exitStatus() != QProcess::NormalExit ||
        helper.exitCode() != 0)
        return 0;
    bool ok = false;
    const double number = helper.readAllStandardOutput().trimmed().toDouble(&ok);
    return ok ? number : 0;
}

} // namespace quillon::shell
