#pragma once
// Whole files for the tests, the fuzz replayer and the benchmark: read, written, and temporary.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel::test {

// The bytes of the file, or nothing when it cannot be read.
std::optional<std::string> readFile(const std::filesystem::path& path);

// Replaces the file's contents with `text`; false when it cannot be written.
bool writeFile(const std::filesystem::path& path, std::string_view text);

// A new empty file in the temporary directory, removed when the object goes. path() is empty
// when none could be made.
class TempFile {
 public:
  TempFile();
  ~TempFile();
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  const std::string& path() const noexcept { return path_; }

 private:
  std::string path_;
};

}  // namespace vantrel::test
