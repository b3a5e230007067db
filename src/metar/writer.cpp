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

void Writer::writeLine(const LineText& line) {
  write(line);
}

void Writer::writeLines(std::initializer_list<const LineText*> lines) {
  for (const LineText* const line : lines) {
    if (!line->empty()) write(*line);
  }
}

void Writer::keepPieces(const LineText& line) {
  const auto& sources = line.sources_;
  const auto& sentences = line.sentences_;
  // A line break inside a group is written as U+FFFD, two bytes longer.
  const auto written = [&](std::size_t at) {
    if (!reportHasLineBreak_) return at;
    std::size_t breaks = 0;
    for (const char c : line.text().substr(0, at)) breaks += c == '\n' || c == '\r' ? 1 : 0;
    return at + 2 * breaks;
  };
  if (sentences.empty()) {
    // Groups and no sentence of their own: the whole line is theirs.
    const std::size_t size = written(line.text_.size());
    for (const char* const source : sources) keepPiece(source, 0, size);
    return;
  }
  const std::size_t lineIndex = out_->size();
  std::size_t value = 0;
  for (std::size_t k = 0; k < sentences.size(); ++k) {
    const bool last = k + 1 == sentences.size();
    const std::size_t stop = last ? line.text_.size() : sentences[k + 1].at;
    Translation::Piece& piece = out_->newPiece(lineIndex, written(sentences[k].at), written(stop));
    // Its groups: from its first to the next sentence's, and for the first sentence those
    // credited before it too.
    const std::size_t from = k == 0 ? 0 : sentences[k].source;
    const std::size_t to = last ? sources.size() : sentences[k + 1].source;
    for (std::size_t j = from; j < to; ++j) out_->addGroup(piece, sources[j]);
    while (value < line.values_.size() && line.values_[value].first <= k) {
      if (line.values_[value].first == k) piece.value = line.values_[value].second;
      ++value;
    }
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
