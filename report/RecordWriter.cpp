#include "report/RecordWriter.h"

namespace quillon::report {

void RecordWriter::caption(const char *field, const char16_t *english, const char16_t *afrikaans) {
    caption(QString::fromLatin1(field), english, afrikaans);
}

void RecordWriter::caption(const QString &field, const char16_t *english,
                           const char16_t *afrikaans) {
    m_record.push_back({field, QString::fromUtf16(m_afrikaans ? afrikaans : english)});
}

void RecordWriter::text(const char *field, const char16_t *text) {
    m_record.push_back({QString::fromLatin1(field), QString::fromUtf16(text)});
}

void RecordWriter::value(const char *field, const QVariant &value) {
    m_record.push_back({QString::fromLatin1(field), value});
}

void RecordWriter::value(const QString &field, const QVariant &value) {
    m_record.push_back({field, value});
}

void RecordWriter::employee(const QString &name) {
    m_record.push_back(
        {QStringLiteral("Employee"),
         QString((m_afrikaans ? QStringLiteral("Vir : ") : QStringLiteral(" For : ")) + name)});
}

void RecordWriter::taxOrZero(const char *field, double tax) {
    value(field, tax > 0 ? QVariant(tax) : QVariant(0));
}

namespace {

QString fieldName(std::string_view field) {
    return QString::fromLatin1(field.data(), static_cast<qsizetype>(field.size()));
}

} // namespace

void RecordSink::text(std::string_view field, std::string_view text) {
    m_record.push_back({fieldName(field), QString::fromLatin1(text.data(), text.size())});
}

void RecordSink::string(std::string_view field, const QString &text) {
    m_record.push_back({fieldName(field), text});
}

void RecordSink::number(std::string_view field, double value) {
    m_record.push_back({fieldName(field), value});
}

} // namespace quillon::report
