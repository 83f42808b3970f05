#pragma once

#include <QString>

namespace quillon::paye {

// The texts the PAYE windows and their calculations say, each written once.

inline const QString kDateTitle = QStringLiteral("Incorrect Date");

// A start date outside the tax year.
inline QString startDateMessage() {
    return QStringLiteral("The date entered is not correct please enter a date between "
                          "01/03/2016 and 28/02/2017");
}

// An end date outside its range; the start date is quoted as its field shows it.
inline QString endDateMessage(const QString &startShown) {
    return QStringLiteral("The date entered is not correct please enter a date between ") +
           startShown + QStringLiteral(" and 28/02/2017");
}

inline QString beneficiaryMessage() {
    return QStringLiteral(
        "Only a maximum of 24 are allowed i.e. Principal member & first beneficiary!");
}

// The "General Information" panel of the period windows.
inline const QString kGeneralInformation = QStringLiteral(
    "The amount entered in the Salary/remuneration field should contain the "
    "fringe benefit amounts such as the code 3802 fringe benefit amount for "
    "the use of a company car but must not include any travel allowance in this "
    "Salary/remuneration amount.  Note that both employer’s and employee’s R/Fund "
    "contributions qualify as a tax deduction off taxable income.  Employer’s "
    "contributions paid to R/Funds i.r.o. the employee are taxable in the hands "
    "of the employee as a fringe benefit.  Quillon will include the employer’s "
    "R/Fund contributions, that you enter here, in with Salary/Remuneration "
    "to determine total income so enter Salary/Remuneration as being without "
    "the employer’s R/Fund contribution fringe benefit.  A portion of contributions "
    "paid by both the employer and the employee to Pension, R/A and Provident "
    "funds may qualify as a deduction from taxable income.  The deduction is "
    "limited to the lessor of contributions paid or 27.5% of remuneration/salary/income. "
    " The deduction is capped at R350,00 per year. ");

} // namespace quillon::paye
