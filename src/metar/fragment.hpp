#pragma once
// The constant texts sentences are built of, checked where they are declared.
//
// A Fragment can only be made from a constant, when compiling, and its constructor refuses a
// byte that a JSON string must escape: the command line copies the lines of a report that needs
// no escaping as they are, so no fragment may bring one in. A Sentence is a Fragment that is a
// whole sentence: it ends in a full stop (or "!") and exactly one space, which separates it from
// the sentence after it on the same line, or it is empty (no sentence). Both read as a
// std::string_view.

#include <cstddef>
#include <string_view>

#include "metar/text.hpp"

namespace vantrel {

// Not constexpr: a constant that reaches one of these does not compile, and the compiler names
// the function, which says what is wrong with the text.
void fragmentHoldsAByteThatJsonMustEscape();
void sentenceDoesNotEndInAStopAndOneSpace();

class Fragment {
 public:
  constexpr Fragment() = default;
  // NOLINTNEXTLINE(google-explicit-constructor): written as a string literal in the tables
  consteval Fragment(const char* text) : Fragment(std::string_view(text)) {}
  // NOLINTNEXTLINE(google-explicit-constructor)
  consteval Fragment(std::string_view text) : text_(text) {
    if (!jsonSafe(text)) fragmentHoldsAByteThatJsonMustEscape();
  }

  // NOLINTNEXTLINE(google-explicit-constructor): a fragment is used wherever text is
  constexpr operator std::string_view() const noexcept { return text_; }
  constexpr std::string_view view() const noexcept { return text_; }
  constexpr std::size_t size() const noexcept { return text_.size(); }
  constexpr bool empty() const noexcept { return text_.empty(); }
  constexpr const char* data() const noexcept { return text_.data(); }
  constexpr char operator[](std::size_t i) const noexcept { return text_[i]; }
  constexpr char back() const noexcept { return text_.back(); }
  constexpr std::string_view substr(std::size_t pos, std::size_t n = std::string_view::npos) const {
    return text_.substr(pos, n);
  }
  constexpr std::size_t find(std::string_view s) const noexcept { return text_.find(s); }
  constexpr bool starts_with(std::string_view s) const noexcept { return text_.starts_with(s); }

  friend constexpr bool operator==(Fragment a, std::string_view b) noexcept { return a.text_ == b; }

 private:
  std::string_view text_;
};

class Sentence : public Fragment {
 public:
  constexpr Sentence() = default;
  // NOLINTNEXTLINE(google-explicit-constructor)
  consteval Sentence(const char* text) : Sentence(std::string_view(text)) {}
  // NOLINTNEXTLINE(google-explicit-constructor)
  consteval Sentence(std::string_view text) : Fragment(text) {
    const std::size_t n = text.size();
    if (n != 0 && (n < 3 || text[n - 1] != ' ' || (text[n - 2] != '.' && text[n - 2] != '!') ||
                   text[n - 3] == ' ')) {
      sentenceDoesNotEndInAStopAndOneSpace();
    }
  }
};

}  // namespace vantrel
