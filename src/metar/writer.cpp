#include "metar/writer.hpp"

#include <bit>
#include <cstdint>
#include <cstring>

namespace vantrel {

void Writer::begin(std::string_view report, const TextScan& scan, Translation& out, bool explain) {
  out_ = &out;
  out_->clear(report, scan);
  reportHasLineBreak_ = scan.lineBreak;
  explain_ = explain;
}

void Writer::end() {
  if (explain_) out_->orderPieces();
}

void Writer::keepPieces(const LineText& line) {
  const auto& sources = line.sources_;
  // A line break inside a group is written as U+FFFD, two bytes longer.
  const auto written = [&](std::size_t at) {
    if (!reportHasLineBreak_) return at;
    std::size_t breaks = 0;
    for (const char c : line.text().substr(0, at)) breaks += c == '\n' || c == '\r' ? 1 : 0;
    return at + 2 * breaks;
  };
  // Where each sentence begins, and the sentence each source belongs to: those before the first
  // sentence belong to the first.
  std::size_t firstStart = sources.size();
  for (std::size_t k = 0; k < sources.size(); ++k) {
    if (sources[k].starts) {
      firstStart = k;
      break;
    }
  }
  if (firstStart == sources.size()) {
    // Groups and no sentence of their own: the whole line is theirs.
    const std::size_t size = written(line.text_.size());
    for (const LineText::Source& s : sources) keepPiece(s.group, 0, size);
    return;
  }
  const std::size_t lineIndex = out_->size();
  std::size_t value = 0;
  for (std::size_t k = firstStart; k < sources.size();) {
    std::size_t next = k + 1;
    while (next < sources.size() && !sources[next].starts) ++next;
    std::size_t stop = line.text_.size();
    for (std::size_t j = next; j < sources.size(); ++j) {
      if (sources[j].starts) {
        stop = sources[j].at;
        break;
      }
    }
    Translation::Piece& piece = out_->newPiece(lineIndex, written(sources[k].at), written(stop));
    const auto addGroup = [&](const char* group) {
      if (group != nullptr) out_->addGroup(piece, group);
    };
    addGroup(sources[k].group);
    if (k == firstStart) {
      for (std::size_t j = 0; j < firstStart; ++j) addGroup(sources[j].group);
    }
    for (std::size_t j = k + 1; j < next; ++j) addGroup(sources[j].group);
    while (value < line.values_.size() && line.values_[value].first < next) {
      if (line.values_[value].first >= k) piece.value = line.values_[value].second;
      ++value;
    }
    k = next;
  }
}

void Writer::keepPiece(const char* group, std::size_t begin, std::size_t end, bool inLine) {
  Translation::Piece& piece =
      out_->newPiece(inLine ? out_->size() : Translation::Piece::kNoLine, begin, end);
  if (group != nullptr) out_->addGroup(piece, group);
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
