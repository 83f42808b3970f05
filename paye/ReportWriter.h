#pragma once

#include "paye/PayFigures.h"
#include "report/ReportRecord.h"

#include <QString>
#include <QVariant>

namespace quillon::paye {

// Builds a report record field by field in the order the layout expects, choosing each
// caption's English or Afrikaans text.
class ReportWriter {
public:
    explicit ReportWriter(report::PrintLanguage language)
        : m_afrikaans(language == report::PrintLanguage::Afrikaans) {}

    void caption(const char *field, const char16_t *english, const char16_t *afrikaans);
    void value(const char *field, const QVariant &value);
    // " For : " or "Vir : " followed by the name.
    void employee(const QString &name);
    // The integer 0 when no tax remains, else the figure.
    void taxOrZero(const char *field, double tax);

    report::ReportRecord take() { return std::move(m_record); }

private:
    bool m_afrikaans;
    report::ReportRecord m_record;
};

// The fields the weekly, fortnightly and daily records share from the age to the employee's
// R/Fund contributions, after TypeAM and the employee.
void writePayAmounts(ReportWriter &w, const PayInputs &in, const char16_t *travelAfrikaans);

// The fields those records share from the UIF figures to TOTAL.
void writeUifAndCredits(ReportWriter &w, const PayInputs &in, const PayResults &out);

} // namespace quillon::paye
