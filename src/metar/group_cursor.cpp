#include "metar/group_cursor.hpp"

#include <cstring>

#include "metar/text.hpp"

namespace vantrel {

Group::Group(std::string_view bytes) noexcept : bytes_(bytes) {
  unsigned high = 0;
  std::size_t chars = 0;
  for (const char c : bytes) {
    high |= static_cast<unsigned char>(c);
    chars += startsCharacter(c) ? 1U : 0U;
  }
  size_ = chars;
  ascii_ = (high & 0x80U) == 0;
}

std::string_view Group::slice(std::size_t pos, std::size_t count) const noexcept {
  if (pos < 1) pos = 1;  // a start before the group counts as its first character
  if (count == 0 || pos > size_) return {};
  if (ascii_) return bytes_.substr(pos - 1, count);
  const std::size_t begin = byteOffsetOfCharacter(bytes_, pos - 1);
  const std::string_view tail = bytes_.substr(begin);
  return tail.substr(0, byteOffsetOfCharacter(tail, count));
}

char Group::upperAt(std::size_t pos) const noexcept {
  if (pos < 1 || pos > size_) return '\0';
  const char c = ascii_ ? bytes_[pos - 1] : slice(pos, 1).front();
  return static_cast<unsigned char>(c) >= 0x80 ? static_cast<char>(0x80) : asciiUpper(c);
}

bool Group::upperSliceIs(std::size_t pos, std::string_view code) const noexcept {
  const std::string_view s = slice(pos, code.size());
  if (s.size() != code.size()) return false;  // a non-ASCII character makes it longer
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (asciiUpper(s[i]) != code[i]) return false;
  }
  return true;
}

bool Group::sliceIs(std::size_t pos, std::string_view text) const noexcept {
  return slice(pos, countCharacters(text)) == text;
}

GroupCursor::GroupCursor(std::string_view report) noexcept : remaining_(report) {
  if (remaining_.empty()) return;
  const void* space = std::memchr(remaining_.data(), ' ', remaining_.size());
  const std::size_t end = space ? static_cast<std::size_t>(static_cast<const char*>(space) -
                                                           remaining_.data())
                                : remaining_.size();
  group_ = Group(remaining_.substr(0, end));
}

void GroupCursor::advance() noexcept {
  const std::size_t past = group_.bytes().size() + 1;  // the group and the space behind it
  *this = GroupCursor(past >= remaining_.size() ? std::string_view() : remaining_.substr(past));
}

}  // namespace vantrel
