// Replays saved fuzz inputs through a fuzz target without libFuzzer, so an ordinary build (g++,
// with or without sanitizers) runs the seed corpus and the regressions as plain tests.
//
// Usage: <replayer> PATH...   Each PATH is a file or a directory; a directory's regular files are
// replayed in name order (not recursively). Each file's bytes go to LLVMFuzzerTestOneInput once.
// A target reports a violated property by aborting, so the first bad input ends the run; its
// name is printed before it runs. Exit status 0 when every input ran, 1 for an unreadable path
// or a directory with no inputs.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "support/files.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

bool replayFile(const fs::path& path) {
  const std::optional<std::string> bytes = vantrel::test::readFile(path);
  if (!bytes) {
    std::cerr << "replay: cannot read " << path.string() << '\n';
    return false;
  }
  std::cerr << "replay: " << path.string() << " (" << bytes->size() << " bytes)\n";
  // A copy of exactly the file's size, so AddressSanitizer sees a read past the end.
  std::vector<std::uint8_t> input(bytes->begin(), bytes->end());
  LLVMFuzzerTestOneInput(input.empty() ? nullptr : input.data(), input.size());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<fs::path> files;
  bool ok = true;
  for (int i = 1; i < argc; ++i) {
    const fs::path arg(argv[i]);
    std::error_code ec;
    if (fs::is_directory(arg, ec)) {
      std::vector<fs::path> inDir;
      for (const fs::directory_entry& entry : fs::directory_iterator(arg, ec)) {
        if (entry.is_regular_file()) inDir.push_back(entry.path());
      }
      if (ec || inDir.empty()) {
        std::cerr << "replay: no inputs in " << arg.string() << '\n';
        ok = false;
      }
      std::sort(inDir.begin(), inDir.end());
      files.insert(files.end(), inDir.begin(), inDir.end());
    } else {
      files.push_back(arg);
    }
  }
  std::size_t replayed = 0;
  for (const fs::path& file : files) {
    if (replayFile(file)) {
      ++replayed;
    } else {
      ok = false;
    }
  }
  std::cout << "replay: " << replayed << " inputs replayed\n";
  return ok ? 0 : 1;
}
