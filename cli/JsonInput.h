#pragma once

#include <QString>

#include <rapidjson/document.h>

#include <string>
#include <string_view>

namespace quillon::cli {

// The parsed JSON of one input. RapidJSON keeps every member of an object, so a key given
// twice can be refused instead of silently taking the last value.
using JsonDocument = rapidjson::GenericDocument<rapidjson::UTF8<>, rapidjson::MemoryPoolAllocator<>,
                                                rapidjson::MemoryPoolAllocator<>>;
using JsonInputValue = rapidjson::Value;

// How deep objects and lists may nest in one input; no calculator needs more than a few levels.
inline constexpr int kMaxDepth = 64;

// Parses one JSON object. NaN and Infinity are read so that the key holding them can be named
// when it is refused. Returns an empty text when the object is sound, else what is wrong;
// `syntax` (when given) receives the parser's own error code.
QString parseObject(std::string_view text, JsonDocument &document,
                    rapidjson::ParseErrorCode *syntax = nullptr);

// The same, reading `text` in place: it is changed (a few NULs are added to its end), and the
// document's strings point into it, so it must outlive the document. A batch reads its lines
// so, without copying their keys.
QString parseObjectInPlace(std::string &text, JsonDocument &document,
                           rapidjson::ParseErrorCode *syntax = nullptr);

} // namespace quillon::cli
