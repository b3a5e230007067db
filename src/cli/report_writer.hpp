#pragma once
// Translates reports one by one and writes them as text blocks or JSON Lines.

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

#include "metar/translate.hpp"

namespace vantrel::cli {

enum class OutputFormat { kText, kJson };

// Where a report came from, for messages: "line N" of standard input or "argument N".
enum class Origin { kLine, kArgument };

struct WriterSettings {
  OutputFormat format = OutputFormat::kText;
  // Output is gathered in one buffer and handed to the stream when it holds this many bytes.
  std::size_t flushSize = std::size_t{1} << 16;
  // Push every report's output out at once (for a terminal), instead of in large blocks.
  bool flushEveryReport = false;
};

class ReportWriter {
 public:
  ReportWriter(std::ostream& out, std::ostream& err, const WriterSettings& settings);

  // Text format: whether more than one report is written, so that each gets a "==> REPORT <=="
  // header. Set before the first write().
  void setSeveralReports(bool several) noexcept { several_ = several; }

  // Checks, translates and writes one report. A refused report or one that is not valid UTF-8
  // is also named on the error stream and makes status() 1.
  void write(Origin origin, std::uint64_t number, std::string_view report);

  // Hands everything buffered to the output stream and asks it to pass it on.
  void sync();

  // 0 when every report was translated, 1 when one was refused or was not valid UTF-8.
  int status() const noexcept { return status_; }
  // True once writing to the output failed; later output is dropped.
  bool failed() const noexcept { return failed_; }
  // The system's reason for the failed write, when it gave one (0 otherwise).
  int failureErrno() const noexcept { return failureErrno_; }

 private:
  void writeRejected(Origin origin, std::uint64_t number, std::string_view report,
                     std::string_view message, bool translated);
  void writeText(std::string_view report, const Translation& translation);
  void writeJson(std::string_view report, const Translation& translation);
  void diagnose(Origin origin, std::uint64_t number, std::string_view message);
  void appendLong(std::string_view text);
  void appendLongJson(std::string_view text);
  void flushIfFull();
  void flushBuffer();
  void writeRaw(std::string_view bytes);

  std::ostream& out_;
  std::ostream& err_;
  WriterSettings settings_;
  Translator translator_;
  std::string buffer_;
  std::string message_;
  bool several_ = false;
  bool blockWritten_ = false;
  int status_ = 0;
  bool failed_ = false;
  int failureErrno_ = 0;
};

}  // namespace vantrel::cli
