#include "metar/translate.hpp"

namespace vantrel {

std::vector<std::string> Translation::lines() const {
  std::vector<std::string> out;
  out.reserve(size());
  for (std::size_t i = 0; i < size(); ++i) out.emplace_back(line(i));
  return out;
}

const Translation& Translator::translate(std::string_view report) {
  out_.clear();
  out_.refused_ = report.empty();
  return out_;
}

Translation translate(std::string_view report) {
  Translator t;
  return t.translate(report);
}

}  // namespace vantrel
