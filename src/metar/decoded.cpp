#include "metar/decoded.hpp"

#include <string>

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

void appendString(std::string& out, std::string_view s) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += '"';
  for (const char c : s) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      out += "\\u00";
      out += kHex[u >> 4U];
      out += kHex[u & 0xFU];
    } else {
      out += c;
    }
  }
  out += '"';
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

void appendJson(std::string& out, const Decoded& decoded) {
  out += "{\"kind\": ";
  appendString(out, decoded.kind);
  for (const Field& f : decoded.fields) {
    out += ", ";
    appendString(out, f.name);
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
        appendString(out, f.value);
        break;
    }
  }
  out += '}';
}

}  // namespace vantrel
