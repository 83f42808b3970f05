#pragma once

namespace quillon::tax {

// The employer settings row `Setup` of Settings.mdb. Each window that uses it holds its own
// copy, loaded when the window opens and saved by its settings panel.
struct SetupRecord {
    double PensionCont = 0;      // employee's R/Fund contribution, percent of the package
    double EmployerPenCont = 0;  // employer's R/Fund contribution, percent of the package
    double EmployeeUIF = 0;      // percent
    double EmployerUIF = 0;      // percent
    double SkillLevy = 0;        // percent
    double ProvCont = 0;         // percent
    double EmployerProvCont = 0; // percent
    double UIFLimit = 0;         // rand per month
    double TAIncRate8020 = 0;    // 0.8 or 0.2
    double CompCarFBRate8020 = 0;
    bool CompCarMPYesNo = false;

    bool operator==(const SetupRecord &) const = default;
};

// The values a South African employer had in the 2017 tax year; Settings.mdb is delivered with
// them, and the command-line tool starts from them.
inline SetupRecord deliveredSetup() {
    SetupRecord r;
    r.EmployeeUIF = 1;
    r.EmployerUIF = 1;
    r.SkillLevy = 1;
    r.UIFLimit = 14872;
    r.TAIncRate8020 = 0.8;
    r.CompCarFBRate8020 = 0.8;
    r.CompCarMPYesNo = false;
    return r;
}

// An option pair shows a stored rate only when it is exactly one of its two values.
enum class RateOption { None, Eighty, Twenty };
inline RateOption rateOption(double storedRate) {
    if (storedRate == 0.8)
        return RateOption::Eighty;
    if (storedRate == 0.2)
        return RateOption::Twenty;
    return RateOption::None;
}

} // namespace quillon::tax
