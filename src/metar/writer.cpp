#include "metar/writer.hpp"

#include <algorithm>

namespace vantrel {

void Writer::begin(std::string_view report, Translation& out) {
  out_ = &out;
  out_->clear();
  report_ = report;
  reportHasLineBreak_ = report.find_first_of("\n\r") != std::string_view::npos;
  read_.clear();
}

void Writer::write(const LineText& line) {
  append(line.text_);
  read_.insert(read_.end(), line.sources_.begin(), line.sources_.end());
}

void Writer::write(std::string_view text, const Group* source) {
  append(text);
  if (source != nullptr) read_.push_back(source->bytes().data());
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

void Writer::finish() {
  if (out_->refused()) return;
  std::sort(read_.begin(), read_.end());
  auto next = read_.begin();
  std::string_view rest = report_;
  while (!rest.empty()) {
    const std::size_t space = rest.find(' ');
    const std::string_view group = rest.substr(0, space);
    rest.remove_prefix(space == std::string_view::npos ? rest.size() : space + 1);
    if (group.empty()) continue;
    while (next != read_.end() && *next < group.data()) ++next;
    if (next == read_.end() || *next != group.data()) out_->appendUnread(group);
  }
}

}  // namespace vantrel
