#include "cli/JsonInput.h"

#include <rapidjson/error/en.h>

#include <cstring>

namespace quillon::cli {

namespace {

QString memberName(const JsonInputValue &name) {
    return QString::fromUtf8(name.GetString(), name.GetStringLength());
}

// The first key given twice in any object of the value, or an empty text.
QString duplicateKey(const JsonInputValue &value) {
    if (value.IsArray()) {
        for (const JsonInputValue &item : value.GetArray())
            if (QString d = duplicateKey(item); !d.isEmpty())
                return d;
        return {};
    }
    if (!value.IsObject())
        return {};
    for (auto a = value.MemberBegin(); a != value.MemberEnd(); ++a) {
        for (auto b = value.MemberBegin(); b != a; ++b)
            if (a->name.GetStringLength() == b->name.GetStringLength() &&
                std::memcmp(a->name.GetString(), b->name.GetString(), a->name.GetStringLength()) ==
                    0)
                return memberName(a->name);
        if (QString d = duplicateKey(a->value); !d.isEmpty())
            return d;
    }
    return {};
}

} // namespace

QString parseObject(std::string_view text, JsonDocument &document) {
    constexpr unsigned kFlags = rapidjson::kParseFullPrecisionFlag |
                                rapidjson::kParseNanAndInfFlag |
                                rapidjson::kParseValidateEncodingFlag;
    document.Parse<kFlags>(text.data(), text.size());
    if (document.HasParseError()) {
        const rapidjson::ParseErrorCode code = document.GetParseError();
        const QString why = code == rapidjson::kParseErrorNumberTooBig
                                ? QStringLiteral("a number is too large to be held")
                                : QString::fromLatin1(rapidjson::GetParseError_En(code));
        return QStringLiteral("not valid JSON: %1 (at character %2)")
            .arg(why)
            .arg(document.GetErrorOffset() + 1);
    }
    if (!document.IsObject())
        return QStringLiteral("the input must be a JSON object");
    if (const QString key = duplicateKey(document); !key.isEmpty())
        return QStringLiteral("the key \"%1\" is given twice").arg(key);
    return {};
}

} // namespace quillon::cli
