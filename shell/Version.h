#pragma once

#include <QString>

namespace quillon::shell {

// The program's three-part version and the three texts made from it, which are not
// interchangeable: the display version (captions), the program number (update check) and the
// disclaimer number (once-per-release disclaimer).
struct ProgramVersion {
    int majorPart = 0;
    int minorPart = 0;
    int revision = 0;
};

inline constexpr ProgramVersion kProgramVersion{1, 8, 0};

// "1.08.000": major, minor as two digits, revision as three.
QString displayVersion(const ProgramVersion &v = kProgramVersion);
// 1.8: major "." minor (no leading zero) read as a decimal number; 1.10 reads as 1.1.
double programNumber(const ProgramVersion &v = kProgramVersion);
// 180: the three parts written one after the other, read as a whole number.
int disclaimerNumber(const ProgramVersion &v = kProgramVersion);

// The update notice is raised only for a positive web number above the program number.
bool updateIsNewer(double webNumber, double programNo);

// The maker of this product as the captions and windows name it.
QString makerName();
QString makerNotice();
QString makerWebAddress();
QString makerTelephone();
// "Quillon 2017 Ver: 1.08.000" followed by two spaces and the maker notice.
QString mainWindowCaption(const ProgramVersion &v = kProgramVersion);

} // namespace quillon::shell
