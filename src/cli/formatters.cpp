#include "cli/formatters.hpp"

#include <cstddef>
#include <cstring>
#include <span>
#include <string>

#include "cli/json.hpp"

namespace vantrel::cli {
namespace {

// A JSON string escaped a piece at a time, the buffer passed on between pieces, so a huge report
// is never held whole in the buffer.
void appendLongJson(OutputSink& sink, std::string_view text) {
  std::string& buffer = sink.buffer();
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
    std::string& buffer = sink.buffer();
    buffer += '"';
    buffer += text;
    buffer += '"';
  } else {
    appendLongJson(sink, text);
  }
}

// A JSON array of the `count` strings `at(i)` gives. `plain`: they hold no byte that JSON must
// escape, so they are copied as they are.
template <class At>
void appendJsonArray(OutputSink& sink, std::size_t count, const At& at, bool plain) {
  std::string& buffer = sink.buffer();
  if (plain) {
    // Short plain strings, the usual case: the buffer grows once and each is copied into place.
    std::size_t total = 2 + (count == 0 ? 0 : 2 * (count - 1));
    bool small = true;
    for (std::size_t i = 0; i < count; ++i) {
      total += at(i).size() + 2;
      small = small && at(i).size() < sink.flushSize();
    }
    if (small) {
      const std::size_t old = buffer.size();
      buffer.resize(old + total);
      char* out = buffer.data() + old;
      *out++ = '[';
      for (std::size_t i = 0; i < count; ++i) {
        if (i != 0) {
          *out++ = ',';
          *out++ = ' ';
        }
        const std::string_view text = at(i);
        *out++ = '"';
        if (!text.empty()) std::memcpy(out, text.data(), text.size());
        out += text.size();
        *out++ = '"';
      }
      *out = ']';
      return;
    }
  }
  buffer += '[';
  for (std::size_t i = 0; i < count; ++i) {
    if (i != 0) buffer += ", ";
    appendJsonText(sink, at(i), plain);
  }
  buffer += ']';
}

}  // namespace

void TextFormatter::write(OutputSink& sink, std::string_view report,
                          const Translation& translation) {
  std::string& buffer = sink.buffer();
  if (headers_) {
    if (blockWritten_) buffer += '\n';
    buffer += "==> ";
    sink.appendLong(report);
    buffer += " <==\n";
  }
  blockWritten_ = true;
  // The lines lie end to end in the translation: with short lines, the buffer grows once.
  std::size_t total = translation.size();
  bool small = true;
  for (std::size_t i = 0; i < translation.size(); ++i) {
    total += translation.line(i).size();
    small = small && translation.line(i).size() < sink.flushSize();
  }
  if (small) {
    const std::size_t old = buffer.size();
    buffer.resize(old + total);
    char* out = buffer.data() + old;
    for (std::size_t i = 0; i < translation.size(); ++i) {
      const std::string_view line = translation.line(i);
      if (!line.empty()) std::memcpy(out, line.data(), line.size());
      out += line.size();
      *out++ = '\n';
    }
    return;
  }
  for (std::size_t i = 0; i < translation.size(); ++i) {
    sink.appendLong(translation.line(i));
    buffer += '\n';
  }
}

void JsonFormatter::write(OutputSink& sink, std::string_view report,
                          const Translation& translation) {
  std::string& buffer = sink.buffer();
  // A line holds the translation's own sentence fragments, which never need escaping, and
  // characters copied from the report, and an unread group is a piece of the report: when the
  // report needs no escaping, neither do they.
  const bool plain = !needsJsonEscape(report);
  buffer += "{\"report\": ";
  appendJsonText(sink, report, plain);
  buffer += ", \"lines\": ";
  appendJsonArray(
      sink, translation.size(), [&](std::size_t i) { return translation.line(i); }, plain);
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
  buffer += "]}\n";
}

void JsonFormatter::writeRefused(OutputSink& sink, std::string_view report,
                                 std::string_view message) {
  std::string& buffer = sink.buffer();
  buffer += "{\"report\": ";
  appendLongJson(sink, report);
  buffer += ", \"error\": ";
  appendJsonString(buffer, message);
  buffer += "}\n";
}

void JsonFormatter::writeUndecodable(OutputSink& sink, Origin origin, std::uint64_t number,
                                     std::string_view message) {
  std::string& buffer = sink.buffer();
  buffer += origin == Origin::kLine ? "{\"line\": " : "{\"argument\": ";
  buffer += std::to_string(number);
  buffer += ", \"error\": ";
  appendJsonString(buffer, message);
  buffer += "}\n";
}

}  // namespace vantrel::cli
