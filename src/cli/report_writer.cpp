#include "cli/report_writer.hpp"

#include "cli/command_line.hpp"

namespace vantrel::cli {

ReportWriter::ReportWriter(OutputSink& sink, const WriterSettings& settings)
    : sink_(sink), settings_(settings) {
  text_.setGlossWidth(settings.explain ? settings.glossWidth : 0);
}

void ReportWriter::write(Origin origin, std::uint64_t number, std::string_view report) {
  if (sink_.failed()) return;
  const bool json = settings_.format == OutputFormat::kJson;
  // The translator checks the report's UTF-8 in the same pass as everything else it looks at; a
  // translation of bytes that are not UTF-8 is harmless and thrown away.
  const Translation& translation =
      translator_.translate(report, settings_.reading,
                            settings_.explain ? Explain::kYes : Explain::kNo, settings_.language);
  if (const std::size_t invalidAt = translation.reportScan().invalidUtf8At;
      invalidAt != report.size()) {
    const std::string message = "invalid UTF-8 at byte " + std::to_string(invalidAt + 1);
    status_ = 1;
    diagnose(origin, number, message);
    if (json) JsonFormatter::writeUndecodable(sink_, origin, number, message);
  } else if (translation.refused()) {
    status_ = 1;
    diagnose(origin, number, kNotValidMetar);
    if (json) JsonFormatter::writeRefused(sink_, report, kNotValidMetar);
  } else if (json) {
    JsonFormatter::write(
        sink_, report, translation,
        !settings_.explain ? JsonPieces::kNone
        : settings_.reading == Reading::kFull || translation.kind() == ReportKind::kForecast
            ? JsonPieces::kWithValues
            : JsonPieces::kGroups);
  } else {
    text_.write(sink_, report, translation);
  }
  if (settings_.flushEveryReport) {
    sink_.sync();
  } else {
    sink_.flushIfFull();
  }
}

void ReportWriter::diagnose(Origin origin, std::uint64_t number, std::string_view message) {
  std::string& messages = sink_.diagnostics();
  messages += kProgramName;
  messages += origin == Origin::kLine ? ": line " : ": argument ";
  messages += std::to_string(number);
  messages += ": ";
  messages += message;
  messages += '\n';
}

}  // namespace vantrel::cli
