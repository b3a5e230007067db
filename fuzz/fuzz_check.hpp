#pragma once
// How a fuzz target reports a violated property: a message naming the target and the property,
// the bytes concerned (escaped), then abort(), which libFuzzer and the replay runner both report.

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace vantrel::fuzz {

// Prints "FUZZER: property violated: WHAT", then "LABEL (N bytes): " and the first `shown` of the
// N bytes of `input` (printable ASCII as is, every other byte and the backslash as \xHH), then
// aborts.
[[noreturn]] inline void propertyViolated(const char* fuzzer, const char* what, const char* label,
                                          std::string_view input,
                                          std::size_t shown = std::string_view::npos) {
  std::fprintf(stderr, "%s: property violated: %s\n%s (%zu bytes): ", fuzzer, what, label,
               input.size());
  for (const char c : input.substr(0, shown)) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x20 && b < 0x7F && b != '\\') {
      std::fputc(b, stderr);
    } else {
      std::fprintf(stderr, "\\x%02X", b);
    }
  }
  std::fputc('\n', stderr);
  std::abort();
}

}  // namespace vantrel::fuzz
