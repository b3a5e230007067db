#include "metar/translate.hpp"

#include "metar/full/reader.hpp"
#include "metar/positional/reader.hpp"
#include "metar/writer.hpp"

namespace vantrel {

std::vector<std::string> Translation::lines() const {
  std::vector<std::string> out;
  out.reserve(size());
  for (std::size_t i = 0; i < size(); ++i) out.emplace_back(line(i));
  return out;
}

std::size_t UnreadGroups::size() const noexcept {
  std::size_t n = 0;
  for (auto it = begin(); it != end(); ++it) ++n;
  return n;
}

struct Translator::Readers {
  Translation out;
  Writer writer;
  positional::PositionalReader positional;
  full::FullReader full;
};

Translator::Translator() : readers_(std::make_unique<Readers>()) {}
Translator::~Translator() = default;

const Translation& Translator::translate(std::string_view report, Reading reading) {
  Readers& r = *readers_;
  const TextScan scan = scanText(report);
  r.writer.begin(report, scan, r.out);
  switch (reading) {
    case Reading::kClassic:
      r.positional.read(report, scan.ascii, r.writer);
      break;
    case Reading::kFull:
      r.full.read(report, scan.ascii, r.writer);
      break;
  }
  return r.out;
}

Translation translate(std::string_view report, Reading reading) {
  Translator translator;
  return translator.translate(report, reading);
}

}  // namespace vantrel
