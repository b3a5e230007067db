#include "metar/translate.hpp"

#include "metar/positional/reader.hpp"

namespace vantrel {

std::vector<std::string> Translation::lines() const {
  std::vector<std::string> out;
  out.reserve(size());
  for (std::size_t i = 0; i < size(); ++i) out.emplace_back(line(i));
  return out;
}

struct Translator::Readers {
  Translation out;
  PositionalReader positional;
};

Translator::Translator() : readers_(std::make_unique<Readers>()) {}
Translator::~Translator() = default;

const Translation& Translator::translate(std::string_view report, Reading reading) {
  (void)reading;
  readers_->positional.read(report, readers_->out);
  return readers_->out;
}

Translation translate(std::string_view report, Reading reading) {
  Translator translator;
  return translator.translate(report, reading);
}

}  // namespace vantrel
