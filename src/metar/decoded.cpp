#include "metar/decoded.hpp"

#include <string>

#include "metar/json_text.hpp"

namespace vantrel {
namespace {

// A number as JSON writes it: no '+', no leading zeros before the units digit.
std::string jsonNumber(std::string_view n) {
  std::string out;
  if (!n.empty() && n.front() == '-') {
    out += '-';
    n.remove_prefix(1);
  }
  while (n.size() > 1 && n.front() == '0' && n[1] != '.') n.remove_prefix(1);
  if (!n.empty() && n.front() == '.') out += '0';
  out += n;
  return out;
}

}  // namespace

Decoded& Decoded::number(std::string_view name, std::string_view n) {
  if (n.empty() || n == "-") return null(name);
  fields.push_back({name, Field::Type::kNumber, jsonNumber(n)});
  return *this;
}

Decoded& Decoded::number(std::string_view name, long long n) {
  fields.push_back({name, Field::Type::kNumber, std::to_string(n)});
  return *this;
}

Decoded& Decoded::text(std::string_view name, std::string_view t) {
  if (t.empty()) return null(name);
  fields.push_back({name, Field::Type::kText, std::string(t)});
  return *this;
}

void appendJson(TextBuffer& out, const Decoded& decoded) {
  out += "{\"kind\": ";
  appendJsonString(out, decoded.kind);
  for (const Field& f : decoded.fields) {
    out += ", ";
    appendJsonString(out, f.name);
    out += ": ";
    switch (f.type) {
      case Field::Type::kNull:
        out += "null";
        break;
      case Field::Type::kNumber:
      case Field::Type::kBool:
        out += f.value;
        break;
      case Field::Type::kText:
        appendJsonString(out, f.value);
        break;
    }
  }
  out += '}';
}

}  // namespace vantrel
