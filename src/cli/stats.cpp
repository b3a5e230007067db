#include "cli/stats.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "metar/text.hpp"

namespace vantrel::cli {
namespace {

// 1234567 -> "1,234,567".
std::string withSeparators(std::uint64_t n) {
  const std::string digits = std::to_string(n);
  std::string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i != 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}

// "12.34 %", rounded to hundredths; "-" for a share of nothing.
std::string share(std::uint64_t part, std::uint64_t whole) {
  if (whole == 0) return "-";
  const auto hundredths = static_cast<std::uint64_t>(
      std::llround(static_cast<long double>(part) * 10000.0L / static_cast<long double>(whole)));
  std::string out = std::to_string(hundredths / 100) + '.';
  if (hundredths % 100 < 10) out += '0';
  return out + std::to_string(hundredths % 100) + " %";
}

// The group with every digit written as 9 and every control character as U+FFFD, so that a
// line of the summary stays one line.
void makeShape(std::string_view group, std::string& shape) {
  shape.clear();
  for (const char c : group) {
    if (c >= '0' && c <= '9') {
      shape += '9';
    } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
      shape += "\xEF\xBF\xBD";
    } else {
      shape += c;
    }
  }
}

bool isRmk(std::string_view group) noexcept {
  return group.size() == 3 && asciiUpper(group[0]) == 'R' && asciiUpper(group[1]) == 'M' &&
         asciiUpper(group[2]) == 'K';
}

void pad(std::string& out, std::size_t width, std::size_t used) {
  if (used < width) out.append(width - used, ' ');
}

struct Row {
  std::string_view label;
  std::uint64_t count;
  std::string share;  // empty for none
};

}  // namespace

void ReadingStats::add(std::string_view report) {
  ++reports_;
  // The translator checks the UTF-8 in its one pass over the report.
  const Translation& translation = translator_.translate(report, reading_);
  if (translation.reportScan().invalidUtf8At != report.size()) {
    ++undecodable_;
    return;
  }
  if (translation.refused()) {
    ++refused_;
    return;
  }
  // Groups are what single spaces separate; the remarks are the groups after the first RMK.
  std::size_t remarksFrom = report.size() + 1;
  std::uint64_t groups = 0;
  std::uint64_t reportGroups = 0;
  for (std::size_t begin = 0; begin < report.size();) {
    const void* space = std::memchr(report.data() + begin, ' ', report.size() - begin);
    const std::size_t end =
        space == nullptr
            ? report.size()
            : static_cast<std::size_t>(static_cast<const char*>(space) - report.data());
    if (end != begin) {
      ++groups;
      ++reportGroups;
      if (remarksFrom > report.size() && isRmk(report.substr(begin, end - begin))) {
        remarksFrom = end;
        bodyGroups_ += groups;
        groups = 0;
      }
    }
    begin = end + 1;
  }
  (remarksFrom > report.size() ? bodyGroups_ : remarkGroups_) += groups;

  const auto unread = translation.unread();
  const bool forecast = translation.kind() == ReportKind::kForecast;
  if (forecast) ++forecasts_;
  if (unread.empty()) {
    ++readWhole_;
    if (forecast) ++forecastsWhole_;
  }
  if (forecast) forecastGroups_ += reportGroups;
  for (const std::string_view group : unread) {
    if (forecast) ++forecastUnread_;
    // The unread groups are views into the report.
    const auto at = static_cast<std::size_t>(group.data() - report.data());
    ++(at >= remarksFrom ? remarkUnread_ : bodyUnread_);
    makeShape(group, shape_);
    if (const auto found = shapes_.find(shape_); found != shapes_.end()) {
      ++found->second;
    } else {
      shapes_.emplace(shape_, 1);
    }
  }
}

void ReadingStats::write(std::string& out) const {
  const std::uint64_t translated = reports_ - refused_ - undecodable_;
  const std::uint64_t groups = bodyGroups_ + remarkGroups_;
  const std::uint64_t unread = bodyUnread_ + remarkUnread_;
  std::vector<Row> rows = {
      {"Reports", reports_, {}},
      {"  translated", translated, {}},
      {"  refused", refused_, {}},
      {"  not valid UTF-8", undecodable_, {}},
      {"  read whole", readWhole_, share(readWhole_, reports_)},
  };
  // Forecasts, when there were any, apart: they are read by their own reader whatever the reading.
  if (forecasts_ != 0) {
    rows.push_back({"  forecasts (TAF)", forecasts_, share(forecasts_, reports_)});
    rows.push_back({"    read whole", forecastsWhole_, share(forecastsWhole_, forecasts_)});
  }
  rows.insert(rows.end(), {
                              {"Groups of the translated reports", groups, {}},
                              {"  read", groups - unread, share(groups - unread, groups)},
                              {"  unread", unread, share(unread, groups)},
                          });
  if (forecasts_ != 0) {
    rows.push_back({"Groups of the forecasts", forecastGroups_, {}});
    rows.push_back({"  unread", forecastUnread_, share(forecastUnread_, forecastGroups_)});
  }
  if (reading_ == Reading::kFull) {
    rows.push_back({"Body and trend groups", bodyGroups_, {}});
    rows.push_back({"  unread", bodyUnread_, share(bodyUnread_, bodyGroups_)});
    rows.push_back({"Remark groups (after RMK)", remarkGroups_, {}});
    rows.push_back({"  unread", remarkUnread_, share(remarkUnread_, remarkGroups_)});
  }
  std::size_t labelWidth = 0;
  std::size_t countWidth = 0;
  for (const Row& row : rows) {
    labelWidth = std::max(labelWidth, row.label.size());
    countWidth = std::max(countWidth, withSeparators(row.count).size());
  }
  for (const Row& row : rows) {
    const std::string count = withSeparators(row.count);
    out += row.label;
    pad(out, labelWidth + 2 + countWidth, row.label.size() + count.size());
    out += count;
    if (!row.share.empty()) {
      pad(out, 10, row.share.size());  // "  100.00 %"
      out += row.share;
    }
    out += '\n';
  }

  // The most frequent shapes first; equal counts in byte order of their shapes.
  using Entry = const std::pair<const std::string, std::uint64_t>*;
  std::vector<Entry> entries;
  entries.reserve(shapes_.size());
  for (const auto& entry : shapes_) entries.push_back(&entry);
  const std::size_t shown = std::min(kTopGroups, entries.size());
  std::partial_sort(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(shown),
                    entries.end(), [](Entry a, Entry b) {
                      return a->second != b->second ? a->second > b->second : a->first < b->first;
                    });
  entries.resize(shown);
  out += '\n';
  if (entries.empty()) {
    out += "No group was left unread.\n";
    return;
  }
  out += "Most frequent unread groups (digits shown as 9):\n";
  // A rare very long group does not widen the whole column.
  constexpr std::size_t kWidestShape = 24;
  std::size_t shapeWidth = 0;
  countWidth = 0;
  for (const Entry entry : entries) {
    shapeWidth = std::max(shapeWidth, std::min(kWidestShape, countCharacters(entry->first)));
    countWidth = std::max(countWidth, withSeparators(entry->second).size());
  }
  for (const Entry entry : entries) {
    const std::string count = withSeparators(entry->second);
    out += entry->first;
    pad(out, shapeWidth, countCharacters(entry->first));
    pad(out, 2 + countWidth, count.size());
    out += count;
    out += '\n';
  }
}

}  // namespace vantrel::cli
