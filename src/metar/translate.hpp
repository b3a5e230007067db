#pragma once
// Public interface of the translation library: one METAR report in, lines in English or in
// French out, and the groups of the report that gave no text.

#include <memory>
#include <string_view>

#include "metar/translation.hpp"

namespace vantrel {

// The one message a reader ever gets: a report that cannot be read at all. The window says it in
// its own language (src/app/vantrel_fr.ts); the command line and the Python module in English.
inline constexpr std::string_view kNotValidMetar = "It is not a valid METAR.";

// How a report is read.
//   kClassic: positional, in the usual METAR order, each step at the place the step before left
//             it; a group out of place or of a form it does not know gives no text. The default.
//   kFull:    every group recognised by its form wherever it stands in its section (body, trend
//             sections, remarks), with the supplementary groups and the common remarks.
enum class Reading { kClassic, kFull };

// The language of the sentences. Both readings read the same groups in every language: the
// unread groups are the same, only the words differ, in the remarks too.
enum class Language { kEnglish, kFrench };

// Whether a translation also gives its pieces (Translation::pieces): which group or groups gave
// each sentence, and in the full reading each sentence's decoded value. Without it, nothing of
// them is computed.
enum class Explain : bool { kNo, kYes };

// Translates reports one after the other, reusing its buffers, so a long run of reports
// allocates almost nothing. Not for use from two threads at once; give each thread its own.
class Translator {
 public:
  Translator();
  ~Translator();
  Translator(const Translator&) = delete;
  Translator& operator=(const Translator&) = delete;

  // `report` is the report as typed, UTF-8, without a line end. The result stays valid until the
  // next call and while `report` lives (the unread groups point into it). A line break typed
  // inside a group ("\n" or "\r") is copied into a sentence as U+FFFD, so that every output line
  // stays one line. Bytes that are not valid UTF-8 do no harm: a character then starts at the
  // first byte of a group and at every byte that is not a continuation byte (10xxxxxx).
  [[gnu::hot]] const Translation& translate(std::string_view report,
                                            Reading reading = Reading::kClassic,
                                            Explain explain = Explain::kNo,
                                            Language language = Language::kEnglish);

 private:
  struct Readers;
  std::unique_ptr<Readers> readers_;
};

// One-shot form of Translator::translate.
Translation translate(std::string_view report, Reading reading = Reading::kClassic,
                      Explain explain = Explain::kNo, Language language = Language::kEnglish);

}  // namespace vantrel
