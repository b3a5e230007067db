#pragma once
// vantrel-translate --stats: how much of a run of reports one reading reads, and which groups it
// leaves unread most often.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "metar/translate.hpp"

namespace vantrel::cli {

class ReadingStats {
 public:
  // How many of the most frequent unread groups the summary lists.
  static constexpr std::size_t kTopGroups = 20;

  explicit ReadingStats(Reading reading) : reading_(reading) {}

  // Checks, translates and counts one report.
  void add(std::string_view report);

  // True when some report was refused or was not valid UTF-8.
  [[nodiscard]] bool anyRejected() const noexcept { return refused_ + undecodable_ != 0; }

  // Appends the summary, each line ending in a newline. The full reading's summary also splits
  // the groups into those of the body and trend sections and those of the remarks.
  void write(std::string& out) const;

 private:
  struct ShapeHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view shape) const noexcept {
      return std::hash<std::string_view>{}(shape);
    }
  };

  Reading reading_;
  Translator translator_;
  std::uint64_t reports_ = 0;
  std::uint64_t refused_ = 0;
  std::uint64_t undecodable_ = 0;
  std::uint64_t readWhole_ = 0;
  std::uint64_t forecasts_ = 0;
  std::uint64_t forecastsWhole_ = 0;
  std::uint64_t forecastGroups_ = 0;
  std::uint64_t forecastUnread_ = 0;
  std::uint64_t bodyGroups_ = 0;
  std::uint64_t bodyUnread_ = 0;
  std::uint64_t remarkGroups_ = 0;
  std::uint64_t remarkUnread_ = 0;
  // Unread groups with every digit written as 9, and how often each was met.
  std::unordered_map<std::string, std::uint64_t, ShapeHash, std::equal_to<>> shapes_;
  std::string shape_;
};

}  // namespace vantrel::cli
