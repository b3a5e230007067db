#include "metar/writer.hpp"

#include <bit>
#include <cstdint>
#include <cstring>

namespace vantrel {

void Writer::begin(std::string_view report, Translation& out) {
  out_ = &out;
  out_->clear(report);
  // Two scans for one byte each: find_first_of would test every byte against the set.
  reportHasLineBreak_ =
      report.find('\n') != std::string_view::npos || report.find('\r') != std::string_view::npos;
}

void Writer::write(const LineText& line) {
  append(line.text_);
  std::vector<const char*>& read = out_->readGroups();
  read.insert(read.end(), line.sources_.begin(), line.sources_.end());
}

void Writer::write(std::string_view text, const Group* source) {
  append(text);
  if (source != nullptr) out_->readGroups().push_back(source->bytes().data());
}

void Writer::append(std::string_view line) {
  if (!reportHasLineBreak_) {
    out_->appendLine(line);
    return;
  }
  lineWithoutBreaks_.clear();
  for (const char c : line) {
    if (c == '\n' || c == '\r') {
      lineWithoutBreaks_ += "\uFFFD";
    } else {
      lineWithoutBreaks_ += c;
    }
  }
  out_->appendLine(lineWithoutBreaks_);
}

void writeClosingLines(Writer& writer, const ClosingLines& lines) {
  auto writeIfAny = [&writer](const LineText* line) {
    if (line != nullptr && !line->empty()) writer.write(*line);
  };
  writeIfAny(lines.time);
  writeIfAny(lines.wind);
  writeIfAny(lines.visibility);
  writeIfAny(lines.nosig);
  if (lines.skyBeforeWeather) writeIfAny(lines.sky);
  if (lines.weatherFound) {
    if (lines.weather != nullptr) {
      writer.write(*lines.weather);
    } else {
      writer.write("");
    }
  }
  if (!lines.skyBeforeWeather) writeIfAny(lines.sky);
  writeIfAny(lines.temperature);
}

// Eight bytes at a time while whole words remain.
const char* nextSpace(const char* p, const char* const end) noexcept {
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  constexpr std::uint64_t kSpaces = kOnes * ' ';
  constexpr std::uint64_t kHighs = kOnes * 0x80U;
  while (std::endian::native == std::endian::little && end - p >= 8) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    const std::uint64_t x = word ^ kSpaces;  // a zero byte where a space was
    const std::uint64_t zeros = (x - kOnes) & ~x & kHighs;
    if (zeros != 0) return p + std::countr_zero(zeros) / 8;  // little-endian byte order
    p += 8;
  }
  while (p != end && *p != ' ') ++p;
  return p;
}

void sortGroupStarts(std::vector<const char*>& starts) noexcept {
  // An insertion sort: all but free on a list that is nearly in order.
  for (std::size_t i = 1; i < starts.size(); ++i) {
    const char* const key = starts[i];
    std::size_t j = i;
    for (; j > 0 && key < starts[j - 1]; --j) starts[j] = starts[j - 1];
    starts[j] = key;
  }
}

}  // namespace vantrel
