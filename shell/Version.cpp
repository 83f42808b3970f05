#include "shell/Version.h"

namespace quillon::shell {

QString displayVersion(const ProgramVersion &v) {
    return QStringLiteral("%1.%2.%3")
        .arg(v.majorPart)
        .arg(v.minorPart, 2, 10, QLatin1Char('0'))
        .arg(v.revision, 3, 10, QLatin1Char('0'));
}

double programNumber(const ProgramVersion &v) {
    return QStringLiteral("%1.%2").arg(v.majorPart).arg(v.minorPart).toDouble();
}

int disclaimerNumber(const ProgramVersion &v) {
    return QStringLiteral("%1%2%3").arg(v.majorPart).arg(v.minorPart).arg(v.revision).toInt();
}

bool updateIsNewer(double webNumber, double programNo) {
    return webNumber > 0 && programNo < webNumber;
}

QString makerName() {
    return QStringLiteral("Quillon Software");
}

QString makerNotice() {
    return QStringLiteral("(c) Quillon Software");
}

QString makerWebAddress() {
    return QStringLiteral("https://quillon2017.example");
}

QString makerTelephone() {
    return QStringLiteral("012 000 0000");
}

QString mainWindowCaption(const ProgramVersion &v) {
    return QStringLiteral("Quillon 2017 Ver: ") + displayVersion(v) + QStringLiteral("  ") +
           makerNotice();
}

} // namespace quillon::shell
