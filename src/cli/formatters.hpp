#pragma once
// The two output formats of a translation, written into an OutputSink: text blocks and JSON Lines.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "cli/output_sink.hpp"
#include "metar/translate.hpp"

namespace vantrel::cli {

// Where a report came from, for messages: "line N" of standard input or "argument N".
enum class Origin { kLine, kArgument };

// A report's lines, each followed by a newline. With headers, each report's lines are headed by
// "==> REPORT <==" and an empty line separates them from the next report's header. With a gloss
// width, a report's gloss (cli/gloss.hpp) stands in place of its lines.
class TextFormatter {
 public:
  // Set before the first write().
  void setHeaders(bool headers) noexcept { headers_ = headers; }
  // 0: the lines; else the gloss, in rows of that many characters. Set before the first write().
  void setGlossWidth(std::size_t width) noexcept { glossWidth_ = width; }
  void write(OutputSink& sink, std::string_view report, const Translation& translation);

 private:
  bool headers_ = false;
  std::size_t glossWidth_ = 0;
  bool blockWritten_ = false;
};

// One JSON object a line:
//   {"report": "...", "lines": ["...", ...], "unread": ["...", ...]}   a translation
//   {"report": "...", "error": "..."}                                  a refused report
//   {"line": N, "error": "..."} or {"argument": N, "error": "..."}     a report that is not UTF-8
//   with --explain, after "unread": "groups": [{"groups": "...", "at": N, "line": N|null,
//   "text": "..."|null[, "value": {...}|null]}, ...] (value: the full reading)
enum class JsonPieces { kNone, kGroups, kWithValues };
struct JsonFormatter {
  [[gnu::hot]] static void write(OutputSink& sink, std::string_view report,
                                 const Translation& translation,
                                 JsonPieces pieces = JsonPieces::kNone);
  static void writeRefused(OutputSink& sink, std::string_view report, std::string_view message);
  // A JSON string holds only valid UTF-8, so the record says where the report stands instead.
  static void writeUndecodable(OutputSink& sink, Origin origin, std::uint64_t number,
                               std::string_view message);
};

}  // namespace vantrel::cli
