#pragma once
// A group's decoded value, as a data user reads it: its kind and its fields, each a name and a
// value in the units the report gives (numbers as written, codes as the report writes them, null
// for what the report gives as not reported or what the group does not say). The full reading
// gives one for each sentence when asked (explain); the command line writes it as a JSON object,
// and the fields keep the order they are added in.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "metar/text_buffer.hpp"

namespace vantrel {

struct Field {
  enum class Type : std::uint8_t { kNull, kNumber, kText, kBool };
  std::string_view name;  // a constant of the code: lower case, words joined by '_'
  Type type = Type::kNull;
  std::string value;  // a JSON number as written ("-3", "29.92", "0.5"), the text, "true"/"false"
};

struct Decoded {
  std::string_view kind;  // "wind", "visibility", "cloud", ...; empty: no value
  std::vector<Field> fields;

  bool empty() const noexcept { return kind.empty(); }
  void clear() {
    kind = {};
    fields.clear();
  }

  // Adding fields, in the order they are to be written.
  Decoded& null(std::string_view name) {
    fields.push_back({name, Field::Type::kNull, {}});
    return *this;
  }
  // `number` is digits with at most a leading '-' and one '.'; a leading zero is dropped when
  // written as JSON ("05" is 5, "0.5" stays), an empty one is null.
  Decoded& number(std::string_view name, std::string_view number);
  Decoded& number(std::string_view name, long long number);
  // Empty text is written as null.
  Decoded& text(std::string_view name, std::string_view text);
  Decoded& boolean(std::string_view name, bool value) {
    fields.push_back({name, Field::Type::kBool, value ? "true" : "false"});
    return *this;
  }
};

// The value as a JSON object: {"kind": "wind", "direction": 310, ...}.
void appendJson(TextBuffer& out, const Decoded& decoded);

}  // namespace vantrel
