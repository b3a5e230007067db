#pragma once
// Translates reports one by one and writes them, as text blocks or JSON Lines, into a sink, and
// names the reports it cannot translate in the sink's messages.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "cli/formatters.hpp"
#include "cli/output_sink.hpp"
#include "metar/translate.hpp"

namespace vantrel::cli {

enum class OutputFormat { kText, kJson };

struct WriterSettings {
  OutputFormat format = OutputFormat::kText;
  Reading reading = Reading::kClassic;
  Language language = Language::kEnglish;
  // Push every report's output out at once (for a terminal), instead of in large blocks.
  bool flushEveryReport = false;
  // Each sentence with its groups (and in the full reading its decoded value).
  bool explain = false;
  // With explain, in text: the characters of a row of the gloss.
  std::size_t glossWidth = 80;
};

class ReportWriter {
 public:
  ReportWriter(OutputSink& sink, const WriterSettings& settings);

  // Text format: whether each report gets a "==> REPORT <==" header. Set before the first write().
  void setHeaders(bool headers) noexcept { text_.setHeaders(headers); }

  // The text format's state (the headers, and whether a block was written, so that the next one
  // is set apart by an empty line), for writers that take turns at one output. The gloss width
  // stays this writer's own.
  [[nodiscard]] const TextFormatter& textFormatter() const noexcept { return text_; }
  void setTextFormatter(const TextFormatter& text) noexcept {
    text_ = text;
    text_.setGlossWidth(settings_.explain ? settings_.glossWidth : 0);
  }

  // Checks, translates and writes one report. A refused report or one that is not valid UTF-8
  // is also named in the sink's messages and makes status() 1.
  [[gnu::hot]] void write(Origin origin, std::uint64_t number, std::string_view report);

  // 0 when every report was translated, 1 when one was refused or was not valid UTF-8.
  [[nodiscard]] int status() const noexcept { return status_; }

 private:
  void diagnose(Origin origin, std::uint64_t number, std::string_view message);

  OutputSink& sink_;
  WriterSettings settings_;
  Translator translator_;
  TextFormatter text_;
  int status_ = 0;
};

}  // namespace vantrel::cli
