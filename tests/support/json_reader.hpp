#pragma once
// A small strict JSON reader (RFC 8259) for checking what vantrel-translate --json writes, shared
// by the golden tests and the fuzz targets: it accepts exactly one value with optional white
// space around it, rejects raw control characters in strings, unknown escapes and lone
// surrogates, and decodes strings to UTF-8. Numbers are kept as their text. Written apart from
// the program's own JSON writer so the two can disagree.

#include <cstddef>
#include <cstdint>
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

class JsonReader {
 public:
  // The value `text` holds, or nothing when it is not exactly one well-formed JSON value.
  static std::optional<JsonValue> parse(std::string_view text) {
    JsonReader r(text);
    JsonValue v;
    r.space();
    if (!r.value(v, 0)) return std::nullopt;
    r.space();
    if (r.pos_ != r.text_.size()) return std::nullopt;
    return v;
  }

 private:
  explicit JsonReader(std::string_view text) : text_(text) {}

  static constexpr int kMaxDepth = 32;

  bool more() const { return pos_ < text_.size(); }
  char peek() const { return more() ? text_[pos_] : '\0'; }
  bool eat(char c) {
    if (!more() || text_[pos_] != c) return false;
    ++pos_;
    return true;
  }
  void space() {
    while (more() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r')) ++pos_;
  }
  bool word(std::string_view w) {
    if (text_.substr(pos_, w.size()) != w) return false;
    pos_ += w.size();
    return true;
  }

  bool value(JsonValue& v, int depth) {
    if (depth > kMaxDepth) return false;
    switch (peek()) {
      case '{':
        return object(v, depth);
      case '[':
        return array(v, depth);
      case '"':
        v.kind = JsonValue::Kind::kString;
        return string(v.text);
      case 't':
        v.kind = JsonValue::Kind::kBool;
        v.boolean = true;
        return word("true");
      case 'f':
        v.kind = JsonValue::Kind::kBool;
        return word("false");
      case 'n':
        return word("null");
      default:
        return number(v);
    }
  }

  bool object(JsonValue& v, int depth) {
    v.kind = JsonValue::Kind::kObject;
    ++pos_;
    space();
    if (eat('}')) return true;
    do {
      space();
      std::string key;
      if (!string(key)) return false;
      space();
      if (!eat(':')) return false;
      space();
      JsonValue member;
      if (!value(member, depth + 1)) return false;
      v.members[key] = std::move(member);
      ++v.memberCount;
      space();
    } while (eat(','));
    return eat('}');
  }

  bool array(JsonValue& v, int depth) {
    v.kind = JsonValue::Kind::kArray;
    ++pos_;
    space();
    if (eat(']')) return true;
    do {
      space();
      JsonValue item;
      if (!value(item, depth + 1)) return false;
      v.items.push_back(std::move(item));
      space();
    } while (eat(','));
    return eat(']');
  }

  bool number(JsonValue& v) {
    const std::size_t start = pos_;
    eat('-');
    if (eat('0')) {
    } else if (!digits()) {
      return false;
    }
    if (eat('.') && !digits()) return false;
    if (peek() == 'e' || peek() == 'E') {
      ++pos_;
      if (!eat('+')) eat('-');
      if (!digits()) return false;
    }
    v.kind = JsonValue::Kind::kNumber;
    v.text = std::string(text_.substr(start, pos_ - start));
    return true;
  }

  bool digits() {
    const std::size_t start = pos_;
    while (more() && peek() >= '0' && peek() <= '9') ++pos_;
    return pos_ > start;
  }

  bool hex4(std::uint32_t& out) {
    if (pos_ + 4 > text_.size()) return false;
    out = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = text_[pos_++];
      std::uint32_t d = 0;
      if (c >= '0' && c <= '9') {
        d = static_cast<std::uint32_t>(c - '0');
      } else if (c >= 'a' && c <= 'f') {
        d = static_cast<std::uint32_t>(c - 'a' + 10);
      } else if (c >= 'A' && c <= 'F') {
        d = static_cast<std::uint32_t>(c - 'A' + 10);
      } else {
        return false;
      }
      out = out * 16 + d;
    }
    return true;
  }

  static void appendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }

  bool string(std::string& out) {
    if (!eat('"')) return false;
    while (more()) {
      const char c = text_[pos_++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return false;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (!more()) return false;
      const char e = text_[pos_++];
      switch (e) {
        case '"':
          out += '"';
          break;
        case '\\':
          out += '\\';
          break;
        case '/':
          out += '/';
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'u': {
          std::uint32_t cp = 0;
          if (!hex4(cp)) return false;
          if (cp >= 0xDC00 && cp <= 0xDFFF) return false;
          if (cp >= 0xD800 && cp <= 0xDBFF) {
            std::uint32_t low = 0;
            if (!word("\\u") || !hex4(low) || low < 0xDC00 || low > 0xDFFF) return false;
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
          }
          appendUtf8(out, cp);
          break;
        }
        default:
          return false;
      }
    }
    return false;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace vantrel::test
