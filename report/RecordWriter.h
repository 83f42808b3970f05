#pragma once

#include "report/ReportRecord.h"

#include <QString>
#include <QVariant>

#include <string_view>

namespace quillon::report {

// Where the fields of one record go as they are written, in order: into a report record for a
// print, or straight into another form (the batch tool writes them as JSON), so an answer that
// shows the record needs no record in between. Field names are plain ASCII.
class FieldSink {
public:
    virtual ~FieldSink() = default;
    // A text of the program's own: plain ASCII with nothing a JSON string escapes.
    virtual void text(std::string_view field, std::string_view text) = 0;
    virtual void string(std::string_view field, const QString &text) = 0;
    virtual void number(std::string_view field, double value) = 0;
};

// A FieldSink that keeps the fields as a report record: texts as texts, figures as doubles.
class RecordSink final : public FieldSink {
public:
    void text(std::string_view field, std::string_view text) override;
    void string(std::string_view field, const QString &text) override;
    void number(std::string_view field, double value) override;
    ReportRecord take() { return std::move(m_record); }

private:
    ReportRecord m_record;
};

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
