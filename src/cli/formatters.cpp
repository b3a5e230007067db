#include "cli/formatters.hpp"

#include <cstddef>
#include <string>

#include "cli/gloss.hpp"
#include "metar/json_text.hpp"
#include "metar/text_buffer.hpp"

namespace vantrel::cli {
namespace {

// A JSON string escaped a piece at a time, the buffer passed on between pieces, so a huge report
// is never held whole in the buffer.
void appendLongJson(OutputSink& sink, std::string_view text) {
  TextBuffer& buffer = sink.buffer();
  if (text.size() < sink.flushSize()) {
    appendJsonString(buffer, text);
    return;
  }
  buffer += '"';
  while (!text.empty()) {
    const std::string_view piece = text.substr(0, sink.flushSize());
    appendJsonEscaped(buffer, piece);
    text.remove_prefix(piece.size());
    sink.flushIfFull();
  }
  buffer += '"';
}

// One JSON string. `plain`: it holds no byte that JSON must escape, so a short one is copied as
// it is.
void appendJsonText(OutputSink& sink, std::string_view text, bool plain) {
  if (plain && text.size() < sink.flushSize()) {
    TextBuffer& buffer = sink.buffer();
    buffer += '"';
    buffer += text;
    buffer += '"';
  } else {
    appendLongJson(sink, text);
  }
}

}  // namespace

void TextFormatter::write(OutputSink& sink, std::string_view report,
                          const Translation& translation) {
  TextBuffer& buffer = sink.buffer();
  if (headers_) {
    if (blockWritten_) buffer += '\n';
    buffer += "==> ";
    sink.appendLong(report);
    buffer += " <==\n";
  }
  blockWritten_ = true;
  if (glossWidth_ != 0) {
    const Gloss gloss(translation.pieces(), glossWidth_);
    std::string rows;
    for (const Translation::Piece& piece : translation.pieces()) {
      rows.clear();
      gloss.append(rows, piece);
      buffer += rows;
      sink.flushIfFull();
    }
    return;
  }
  // The translation keeps its lines end to end, each with its line feed: one copy, or, for a
  // huge report, one piece at a time.
  sink.appendLong(translation.text());
}

namespace {

// Copies `text` to `out` and returns the end of the copy.
char* put(char* out, std::string_view text) noexcept {
  copyBytes(out, text.data(), text.size());
  return out + text.size();
}

// A JSON string of plain text: no byte of it needs escaping.
char* putPlainString(char* out, std::string_view text) noexcept {
  *out++ = '"';
  out = put(out, text);
  *out++ = '"';
  return out;
}

constexpr std::string_view kReportKey = "{\"report\": ";
constexpr std::string_view kLinesKey = ", \"lines\": [";
constexpr std::string_view kUnreadKey = "], \"unread\": [";
constexpr std::string_view kRecordEnd = "]}\n";
constexpr std::string_view kSeparator = ", ";

// The usual record: a report that needs no escaping, small beside the sink's buffer. The buffer
// grows once, by a bound on the record's size, and everything is copied into place: the unread
// groups are at most the report's groups, each with its two quotes and its separator, which
// makes at most three bytes for each byte of the report.
// "groups": one object a piece, in report order.
[[gnu::cold, gnu::noinline]] void writePieces(OutputSink& sink, const Translation& translation,
                                              JsonPieces pieces, bool plain) {
  TextBuffer& buffer = sink.buffer();
  buffer += ", \"groups\": [";
  bool first = true;
  for (const Translation::Piece& piece : translation.pieces()) {
    buffer += first ? "{\"groups\": " : ", {\"groups\": ";
    first = false;
    // The groups as typed, a space between: they stand apart in the report.
    if (piece.groups.size() == 1) {
      appendJsonText(sink, piece.groups.front(), plain);
    } else {
      std::string joined;
      for (const std::string_view g : piece.groups) {
        if (!joined.empty()) joined += ' ';
        joined += g;
      }
      appendJsonText(sink, joined, plain);
    }
    buffer += ", \"at\": ";
    buffer += std::to_string(piece.at);
    if (piece.line == Translation::Piece::kNoLine) {
      buffer += ", \"line\": null, \"text\": null";
    } else {
      buffer += ", \"line\": ";
      buffer += std::to_string(piece.line);
      buffer += ", \"text\": ";
      appendJsonText(sink, piece.text, plain);
    }
    if (pieces == JsonPieces::kWithValues) {
      buffer += ", \"value\": ";
      if (piece.value.empty()) {
        buffer += "null";
      } else {
        appendJson(buffer, piece.value);
      }
    }
    buffer += '}';
    sink.flushIfFull();
  }
  buffer += ']';
}

[[gnu::hot]] void writePlainRecord(TextBuffer& buffer, std::string_view report,
                                   const Translation& translation, std::size_t linesSize) {
  const std::size_t bound = kReportKey.size() + report.size() + 2 + kLinesKey.size() + linesSize +
                            4 * translation.size() + kUnreadKey.size() + 3 * report.size() + 2 +
                            kRecordEnd.size();
  char* const start = buffer.extend(bound);
  char* out = put(start, kReportKey);
  out = putPlainString(out, report);
  out = put(out, kLinesKey);
  for (std::size_t i = 0; i < translation.size(); ++i) {
    if (i != 0) out = put(out, kSeparator);
    out = putPlainString(out, translation.line(i));
  }
  out = put(out, kUnreadKey);
  bool first = true;
  for (const std::string_view group : translation.unread()) {
    if (!first) out = put(out, kSeparator);
    first = false;
    out = putPlainString(out, group);
  }
  out = put(out, kRecordEnd);
  buffer.truncate(buffer.size() - bound + static_cast<std::size_t>(out - start));
}

}  // namespace

void JsonFormatter::write(OutputSink& sink, std::string_view report, const Translation& translation,
                          JsonPieces pieces) {
  TextBuffer& buffer = sink.buffer();
  // A line holds the translation's own sentence fragments, which never need escaping, and
  // characters copied from the report, and an unread group is a piece of the report: when the
  // report needs no escaping, neither do they.
  const bool plain = !translation.reportScan().needsJsonEscape;
  if (plain && pieces == JsonPieces::kNone) {
    const std::size_t linesSize = translation.text().size() - translation.size();
    if (4 * report.size() + linesSize < sink.flushSize()) {
      writePlainRecord(buffer, report, translation, linesSize);
      return;
    }
  }
  buffer += "{\"report\": ";
  appendJsonText(sink, report, plain);
  buffer += ", \"lines\": ";
  buffer += '[';
  for (std::size_t i = 0; i < translation.size(); ++i) {
    if (i != 0) buffer += ", ";
    appendJsonText(sink, translation.line(i), plain);
  }
  buffer += ']';
  buffer += ", \"unread\": ";
  // The unread groups are found as they are written: a huge report never holds them all.
  buffer += '[';
  bool first = true;
  for (const std::string_view group : translation.unread()) {
    if (!first) buffer += ", ";
    first = false;
    appendJsonText(sink, group, plain);
    sink.flushIfFull();
  }
  buffer += ']';
  if (pieces != JsonPieces::kNone) writePieces(sink, translation, pieces, plain);
  buffer += "}\n";
}

void JsonFormatter::writeRefused(OutputSink& sink, std::string_view report,
                                 std::string_view message) {
  TextBuffer& buffer = sink.buffer();
  buffer += "{\"report\": ";
  appendLongJson(sink, report);
  buffer += ", \"error\": ";
  appendJsonString(buffer, message);
  buffer += "}\n";
}

void JsonFormatter::writeUndecodable(OutputSink& sink, Origin origin, std::uint64_t number,
                                     std::string_view message) {
  TextBuffer& buffer = sink.buffer();
  buffer += origin == Origin::kLine ? "{\"line\": " : "{\"argument\": ";
  buffer += std::to_string(number);
  buffer += ", \"error\": ";
  appendJsonString(buffer, message);
  buffer += "}\n";
}

}  // namespace vantrel::cli
