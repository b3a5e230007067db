#pragma once
// The group cursor: a report read one space-separated group at a time, from left to right.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "metar/text.hpp"

namespace vantrel {

// One group: the characters between two spaces. Positions are 1-based character positions.
// Slices follow the usual copy rule: a slice that runs past the end is cut short, and one that
// starts past the end is empty.
class Group {
 public:
  constexpr Group() = default;
  explicit Group(std::string_view bytes) noexcept;
  // `ascii`: whether every byte is below 0x80, when the caller already knows.
  Group(std::string_view bytes, bool ascii) noexcept
      : bytes_(bytes), size_(ascii ? bytes.size() : countCharacters(bytes)), ascii_(ascii) {}

  std::string_view bytes() const noexcept { return bytes_; }
  // Length in characters.
  std::size_t size() const noexcept { return size_; }
  bool empty() const noexcept { return size_ == 0; }

  // Characters pos .. pos+count-1 (1-based), as typed.
  std::string_view slice(std::size_t pos, std::size_t count) const noexcept {
    if (pos < 1) pos = 1;  // a start before the group counts as its first character
    if (count == 0 || pos > size_) return {};
    if (!ascii_) return sliceOfCharacters(pos, count);
    const std::size_t left = size_ - (pos - 1);
    return {bytes_.data() + (pos - 1), count < left ? count : left};
  }
  // The character at `pos` upper-cased when it is ASCII; '\0' past the end, and 0x80 for a
  // character that is not ASCII (it then never equals a code).
  char upperAt(std::size_t pos) const noexcept {
    if (pos < 1 || pos > size_) return '\0';
    const char c = ascii_ ? bytes_[pos - 1] : sliceOfCharacters(pos, 1).front();
    return static_cast<unsigned char>(c) >= 0x80 ? static_cast<char>(0x80) : asciiUpper(c);
  }
  // True when the slice at `pos`, ASCII upper-cased, equals `code` (an upper-case ASCII code).
  [[gnu::always_inline]] bool upperSliceIs(std::size_t pos, std::string_view code) const noexcept {
    if (ascii_) {
      // Plain ASCII: the slice is whole when the group reaches that far.
      if (pos < 1) pos = 1;
      if (code.empty()) return true;
      if (pos - 1 + code.size() > size_) return false;
      const char* const s = bytes_.data() + (pos - 1);
      for (std::size_t i = 0; i < code.size(); ++i) {
        if (asciiUpper(s[i]) != code[i]) return false;
      }
      return true;
    }
    const std::string_view s = slice(pos, code.size());
    if (s.size() != code.size()) return false;  // cut short, or longer for a non-ASCII character
    for (std::size_t i = 0; i < s.size(); ++i) {
      if (asciiUpper(s[i]) != code[i]) return false;
    }
    return true;
  }
  // True when the slice at `pos` equals the ASCII `text` as typed.
  bool sliceIs(std::size_t pos, std::string_view text) const noexcept {
    return slice(pos, text.size()) == text;
  }
  // The whole group, upper-cased, equals `code`.
  [[gnu::always_inline]] bool upperIs(std::string_view code) const noexcept {
    return size_ == code.size() && upperSliceIs(1, code);
  }
  // The same for a code of one to eight characters written in place: the group's bytes and the
  // code compared as one word each, a letter of the code also taking its small letter.
  template <std::size_t N>
  [[gnu::always_inline]] bool upperIs(const char (&code)[N]) const noexcept {
    constexpr std::size_t n = N - 1;
    if constexpr (n == 0 || n > 8 || std::endian::native != std::endian::little) {
      return upperIs(std::string_view(code, n));
    } else {
      // A code is ASCII, so the group must be n bytes (n characters) to equal it.
      if (bytes_.size() != n) return false;
      std::uint64_t group = 0;
      std::memcpy(&group, bytes_.data(), n);
      std::uint64_t want = 0;
      std::uint64_t caseBits = 0;
      for (std::size_t i = 0; i < n; ++i) {
        want |= std::uint64_t{static_cast<unsigned char>(code[i])} << (8 * i);
        if (code[i] >= 'A' && code[i] <= 'Z') caseBits |= std::uint64_t{0x20} << (8 * i);
      }
      return ((group ^ want) & ~caseBits) == 0;
    }
  }
  // The last characters, upper-cased, equal `code`.
  bool upperEndsWith(std::string_view code) const noexcept {
    return size_ >= code.size() && upperSliceIs(size_ - code.size() + 1, code);
  }

 private:
  std::string_view sliceOfCharacters(std::size_t pos, std::size_t count) const noexcept;

  std::string_view bytes_;
  std::size_t size_ = 0;
  bool ascii_ = true;
};

// The current group and the unread rest of the report, which begins with the current group.
// The report text ends with an implied closing space, so the last group is read like the others.
// Two spaces in a row give an empty group at that position; at the end of the report the
// current group is empty and advancing changes nothing.
class GroupCursor {
 public:
  constexpr GroupCursor() = default;
  // `asciiReport`: the report is known to be plain ASCII, so no group is checked for other
  // characters.
  explicit GroupCursor(std::string_view report, bool asciiReport = false) noexcept;

  const Group& group() const noexcept { return group_; }
  std::string_view remaining() const noexcept { return remaining_; }

  // Moves past the current group and the space behind it.
  void advance() noexcept {
    const std::size_t past = group_.bytes().size() + 1;  // the group and the space behind it
    take(past >= remaining_.size()
             ? std::string_view()
             : std::string_view(remaining_.data() + past, remaining_.size() - past));
  }

  friend bool operator==(const GroupCursor& a, const GroupCursor& b) noexcept {
    return a.remaining_ == b.remaining_;
  }

 private:
  void take(std::string_view rest) noexcept {
    remaining_ = rest;
    if (asciiReport_) {
      const char* const begin = rest.data();
      const char* const end = nextSpace(begin, begin + rest.size());
      group_ = Group(std::string_view(begin, static_cast<std::size_t>(end - begin)), true);
    } else {
      takeAnyText(rest);
    }
  }
  void takeAnyText(std::string_view rest) noexcept;

  std::string_view remaining_;
  Group group_;
  bool asciiReport_ = false;
};

}  // namespace vantrel
