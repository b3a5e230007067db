#include "metar/translate.hpp"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <bit>
#include <cstring>

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

namespace {

// A bit for each of the 64 bytes at `p` that is a space; bytes past `end` count as spaces.
std::uint64_t spaceBits(const char* p, const char* end) noexcept {
  char window[64];
  if (end - p < 64) {
    std::memset(window, ' ', sizeof window);
    std::memcpy(window, p, static_cast<std::size_t>(end - p));
    p = window;
  }
#if defined(__SSE2__)
  const __m128i spaces = _mm_set1_epi8(' ');
  std::uint64_t bits = 0;
  for (int i = 0; i < 4; ++i) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
    const auto found = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, spaces)));
    bits |= std::uint64_t{found} << (16 * i);
  }
  return bits;
#else
  std::uint64_t bits = 0;
  for (int i = 0; i < 64; ++i) bits |= std::uint64_t{p[i] == ' '} << i;
  return bits;
#endif
}

}  // namespace

void UnreadGroups::iterator::find() noexcept {
  const char* const begin = report_.data();
  const char* const end = begin + report_.size();
  while (pending_ == 0) {
    const std::size_t at = window_ * 64;
    if (at >= report_.size()) {
      group_ = {};
      return;
    }
    const std::uint64_t spaces = spaceBits(begin + at, end);
    // A group begins at a byte that is not a space and follows a space (or the report's start).
    const std::uint64_t starts = ~spaces & ((spaces << 1) | (afterSpace_ ? 1U : 0U));
    afterSpace_ = (spaces >> 63) != 0;
    pending_ = starts & ~read_[window_];
    ++window_;
  }
  const char* const start = begin + (window_ - 1) * 64 + std::countr_zero(pending_);
  pending_ &= pending_ - 1;
  group_ = std::string_view(start, static_cast<std::size_t>(nextSpace(start, end) - start));
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
