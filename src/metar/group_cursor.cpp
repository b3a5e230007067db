#include "metar/group_cursor.hpp"

#include <algorithm>

#include "metar/text.hpp"

namespace vantrel {

Group::Group(std::string_view bytes) noexcept
    : Group(bytes, std::all_of(bytes.begin(), bytes.end(),
                               [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {}

std::string_view Group::sliceOfCharacters(std::size_t pos, std::size_t count) const noexcept {
  const std::size_t begin = byteOffsetOfCharacter(bytes_, pos - 1);
  const std::string_view tail = bytes_.substr(begin);
  return tail.substr(0, byteOffsetOfCharacter(tail, count));
}

GroupCursor::GroupCursor(std::string_view report, bool asciiReport) noexcept
    : asciiReport_(asciiReport) {
  take(report);
}

void GroupCursor::takeAnyText(std::string_view rest) noexcept {
  // One pass to the first space, noting whether the group is plain ASCII on the way.
  unsigned high = 0;
  std::size_t end = 0;
  for (; end < rest.size() && rest[end] != ' '; ++end) {
    high |= static_cast<unsigned char>(rest[end]);
  }
  group_ = Group(rest.substr(0, end), (high & 0x80U) == 0);
}

}  // namespace vantrel
