#pragma once
// A small strict JSON reader (RFC 8259) for checking what vantrel-translate --json writes, shared
// by the golden tests and the fuzz targets: it accepts exactly one value with optional white
// space around it, rejects raw control characters in strings, unknown escapes and lone
// surrogates, and decodes strings to UTF-8. Numbers are kept as their text. Written apart from
// the program's own JSON writer so the two can disagree.

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::test {

struct JsonValue {
  enum class Kind { kNull, kBool, kNumber, kString, kArray, kObject };
  Kind kind = Kind::kNull;
  bool boolean = false;
  std::string text;  // a string's decoded bytes, or a number as written
  std::vector<JsonValue> items;
  std::map<std::string, JsonValue> members;
  std::size_t memberCount = 0;  // counts repeated keys too
};

struct JsonReader {
  // The value `text` holds, or nothing when it is not exactly one well-formed JSON value.
  static std::optional<JsonValue> parse(std::string_view text);
};

}  // namespace vantrel::test
