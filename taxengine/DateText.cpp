#include "taxengine/DateText.h"

namespace quillon::tax {

namespace {

template <typename Char> bool digits(const Char *text, int count, int &value) {
    value = 0;
    for (int i = 0; i < count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + static_cast<int>(text[i] - '0');
    }
    return true;
}

template <typename Char> QDate readPlain(const Char *s, std::size_t size, bool isoToo) {
    if (size != 10)
        return {};
    int day = 0;
    int month = 0;
    int year = 0;
    const bool typed = s[2] == '/' && s[5] == '/' && digits(s, 2, day) && digits(s + 3, 2, month) &&
                       digits(s + 6, 4, year);
    const bool iso = !typed && isoToo && s[4] == '-' && s[7] == '-' && digits(s, 4, year) &&
                     digits(s + 5, 2, month) && digits(s + 8, 2, day);
    if (!(typed || iso) || year < 1000)
        return {};
    return QDate(year, month, day);
}

} // namespace

QDate plainDate(std::string_view text) {
    return readPlain(text.data(), text.size(), true);
}

QDate typedDate(QStringView text) {
    return readPlain(text.utf16(), static_cast<std::size_t>(text.size()), false);
}

QString dateText(const QDate &date) {
    int year = 0;
    int month = 0;
    int day = 0;
    date.getDate(&year, &month, &day);
    if (year < 1000 || year > 9999)
        return date.toString(QStringLiteral("dd/MM/yyyy"));
    const char16_t text[] = {char16_t(u'0' + day / 10),
                             char16_t(u'0' + day % 10),
                             u'/',
                             char16_t(u'0' + month / 10),
                             char16_t(u'0' + month % 10),
                             u'/',
                             char16_t(u'0' + year / 1000),
                             char16_t(u'0' + year / 100 % 10),
                             char16_t(u'0' + year / 10 % 10),
                             char16_t(u'0' + year % 10)};
    return QString(reinterpret_cast<const QChar *>(text), 10);
}

} // namespace quillon::tax
