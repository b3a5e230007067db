#include "cli/report_writer.hpp"

#include <algorithm>
#include <cerrno>
#include <ios>

#include "cli/command_line.hpp"
#include "cli/json.hpp"
#include "metar/text.hpp"

namespace vantrel::cli {

ReportWriter::ReportWriter(std::ostream& out, std::ostream& err, const WriterSettings& settings)
    : out_(out), err_(err), settings_(settings) {
  settings_.flushSize = std::max<std::size_t>(settings_.flushSize, 1);
  buffer_.reserve(settings_.flushSize + 4096);
}

void ReportWriter::write(Origin origin, std::uint64_t number, std::string_view report) {
  if (failed_) return;
  const std::size_t invalidAt = findInvalidUtf8(report);
  if (invalidAt != report.size()) {
    writeRejected(origin, number, report, "invalid UTF-8 at byte " + std::to_string(invalidAt + 1),
                  false);
  } else {
    const Translation& translation = translator_.translate(report);
    if (translation.refused()) {
      writeRejected(origin, number, report, kNotValidMetar, true);
    } else if (settings_.format == OutputFormat::kJson) {
      writeJson(report, translation);
    } else {
      writeText(report, translation);
    }
  }
  if (settings_.flushEveryReport) {
    sync();
  } else {
    flushIfFull();
  }
}

void ReportWriter::sync() {
  flushBuffer();
  if (!failed_ && out_.rdbuf()->pubsync() == -1) {
    failed_ = true;
    failureErrno_ = errno;
  }
}

// A refused report keeps its text in the JSON record; an undecodable one cannot, since a JSON
// string holds only valid UTF-8, so its record says where it stands instead.
void ReportWriter::writeRejected(Origin origin, std::uint64_t number, std::string_view report,
                                 std::string_view message, bool translated) {
  status_ = 1;
  diagnose(origin, number, message);
  if (settings_.format != OutputFormat::kJson) return;
  if (translated) {
    buffer_ += "{\"report\": ";
    appendLongJson(report);
  } else {
    buffer_ += origin == Origin::kLine ? "{\"line\": " : "{\"argument\": ";
    buffer_ += std::to_string(number);
  }
  buffer_ += ", \"error\": ";
  appendJsonString(buffer_, message);
  buffer_ += "}\n";
}

void ReportWriter::writeText(std::string_view report, const Translation& translation) {
  if (several_) {
    if (blockWritten_) buffer_ += '\n';
    buffer_ += "==> ";
    appendLong(report);
    buffer_ += " <==\n";
  }
  blockWritten_ = true;
  for (std::size_t i = 0; i < translation.size(); ++i) {
    appendLong(translation.line(i));
    buffer_ += '\n';
  }
}

void ReportWriter::writeJson(std::string_view report, const Translation& translation) {
  buffer_ += "{\"report\": ";
  appendLongJson(report);
  buffer_ += ", \"lines\": [";
  // A line holds the translation's own sentence fragments, which never need escaping, and
  // characters copied from the report: when the report needs no escaping, its lines need none.
  const bool plain = !needsJsonEscape(report);
  for (std::size_t i = 0; i < translation.size(); ++i) {
    if (i != 0) buffer_ += ", ";
    const std::string_view line = translation.line(i);
    if (plain && line.size() < settings_.flushSize) {
      buffer_ += '"';
      buffer_ += line;
      buffer_ += '"';
    } else {
      appendLongJson(line);
    }
  }
  buffer_ += "]}\n";
}

void ReportWriter::diagnose(Origin origin, std::uint64_t number, std::string_view message) {
  message_.assign(kProgramName);
  message_ += origin == Origin::kLine ? ": line " : ": argument ";
  message_ += std::to_string(number);
  message_ += ": ";
  message_ += message;
  message_ += '\n';
  err_.write(message_.data(), static_cast<std::streamsize>(message_.size()));
}

// Text longer than a buffer's worth goes straight to the stream, so a huge report is never
// copied whole into the buffer.
void ReportWriter::appendLong(std::string_view text) {
  if (text.size() < settings_.flushSize) {
    buffer_ += text;
    return;
  }
  flushBuffer();
  writeRaw(text);
}

// The same for a JSON string: escaped a piece at a time, the buffer emptied between pieces.
void ReportWriter::appendLongJson(std::string_view text) {
  if (text.size() < settings_.flushSize) {
    appendJsonString(buffer_, text);
    return;
  }
  buffer_ += '"';
  while (!text.empty()) {
    const std::string_view piece = text.substr(0, settings_.flushSize);
    appendJsonEscaped(buffer_, piece);
    text.remove_prefix(piece.size());
    flushIfFull();
  }
  buffer_ += '"';
}

void ReportWriter::flushIfFull() {
  if (buffer_.size() >= settings_.flushSize) flushBuffer();
}

void ReportWriter::flushBuffer() {
  writeRaw(buffer_);
  buffer_.clear();
}

void ReportWriter::writeRaw(std::string_view bytes) {
  if (failed_ || bytes.empty()) return;
  errno = 0;
  const auto size = static_cast<std::streamsize>(bytes.size());
  if (out_.rdbuf()->sputn(bytes.data(), size) != size) {
    failed_ = true;
    failureErrno_ = errno;
  }
}

}  // namespace vantrel::cli
