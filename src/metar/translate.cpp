#include "metar/translate.hpp"

#include "metar/forecast.hpp"
#include "metar/full/reader.hpp"
#include "metar/positional/reader.hpp"
#include "metar/taf/reader.hpp"
#include "metar/wording.hpp"
#include "metar/writer.hpp"

namespace vantrel {

struct Translator::Readers {
  Translation out;
  Writer writer;
  positional::PositionalReader positional;
  full::FullReader full;
  taf::TafReader taf;
};

Translator::Translator() : readers_(std::make_unique<Readers>()) {}
Translator::~Translator() = default;

const Translation& Translator::translate(std::string_view report, Reading reading, Explain explain,
                                         Language language) {
  Readers& r = *readers_;
  const TextScan scan = scanText(report);
  r.writer.begin(report, scan, r.out, explain == Explain::kYes);
  // A forecast has one reading, whichever is asked for.
  const bool french = language == Language::kFrench;
  if (isForecast(report)) [[unlikely]] {
    if (french) {
      r.taf.read<FrenchWording>(report, scan.ascii, r.writer);
    } else {
      r.taf.read<EnglishWording>(report, scan.ascii, r.writer);
    }
    r.writer.end();
    return r.out;
  }
  switch (reading) {
    case Reading::kClassic:
      if (french) [[unlikely]] {
        r.positional.read<FrenchWording>(report, scan.ascii, r.writer);
      } else {
        r.positional.read<EnglishWording>(report, scan.ascii, r.writer);
      }
      break;
    case Reading::kFull:
      if (french) [[unlikely]] {
        r.full.read<FrenchWording>(report, scan.ascii, r.writer);
      } else {
        r.full.read<EnglishWording>(report, scan.ascii, r.writer);
      }
      break;
  }
  r.writer.end();
  return r.out;
}

Translation translate(std::string_view report, Reading reading, Explain explain,
                      Language language) {
  Translator translator;
  return translator.translate(report, reading, explain, language);
}

}  // namespace vantrel
