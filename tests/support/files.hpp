#pragma once
// Whole files for the tests, the fuzz replayer and the benchmark.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace vantrel::test {

// The bytes of the file, or nothing when it cannot be read.
inline std::optional<std::string> readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return text;
}

}  // namespace vantrel::test
