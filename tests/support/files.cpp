#include "support/files.hpp"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <ios>
#include <iterator>
#include <system_error>

namespace vantrel::test {

std::optional<std::string> readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return text;
}

bool writeFile(const std::filesystem::path& path, std::string_view text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  return !out.fail();
}

TempFile::TempFile() {
  std::error_code ec;
  std::string name = (std::filesystem::temp_directory_path(ec) / "vantrel-test-XXXXXX").string();
  const int fd = mkstemp(name.data());
  if (fd >= 0) {
    close(fd);
    path_ = std::move(name);
  }
}

TempFile::~TempFile() {
  std::error_code ec;
  if (!path_.empty()) std::filesystem::remove(path_, ec);
}

}  // namespace vantrel::test
