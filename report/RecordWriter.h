#pragma once

#include "report/ReportRecord.h"

#include <QString>
#include <QVariant>

namespace quillon::report {

// Builds the record of one report table field by field, in the order the layout's table lists
// them. The period calculators print in English or Afrikaans: each caption carries both texts
// and the writer keeps the one of its language.
class RecordWriter {
public:
    explicit RecordWriter(PrintLanguage language = PrintLanguage::English)
        : m_afrikaans(language == PrintLanguage::Afrikaans) {}

    void caption(const char *field, const char16_t *english, const char16_t *afrikaans);
    void caption(const QString &field, const char16_t *english, const char16_t *afrikaans);
    // A text that reads the same in every print.
    void text(const char *field, const char16_t *text);
    void value(const char *field, const QVariant &value);
    void value(const QString &field, const QVariant &value);
    // " For : " or "Vir : " followed by the name, in the field Employee.
    void employee(const QString &name);
    // The integer 0 when no tax remains, else the figure.
    void taxOrZero(const char *field, double tax);

    bool afrikaans() const { return m_afrikaans; }
    ReportRecord take() { return std::move(m_record); }

private:
    bool m_afrikaans;
    ReportRecord m_record;
};

} // namespace quillon::report
