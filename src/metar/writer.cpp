#include "metar/writer.hpp"

#include <bit>
#include <cstdint>
#include <cstring>

namespace vantrel {

void Writer::begin(std::string_view report, const TextScan& scan, Translation& out) {
  out_ = &out;
  out_->clear(report, scan);
  reportHasLineBreak_ = scan.lineBreak;
}

void Writer::write(const LineText& line) {
  append(line.text_);
  for (const char* const source : line.sources_) out_->markRead(source);
}

void Writer::appendWithoutBreaks(std::string_view line) {
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

}  // namespace vantrel
