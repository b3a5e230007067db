#pragma once
// docs/full-reading.md and docs/taf.md as data: their table of forms (an example report and the
// sentence its full reading holds) and its table of the groups the two readings word differently on
// purpose.

#include <filesystem>
#include <optional>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::test {

struct FormExample {
  std::string report;
  std::string sentence;
};

struct ReadingsDoc {
  std::vector<FormExample> forms;
  std::vector<std::regex> differences;  // each matched against a whole group in capitals
};

// Nothing when the file cannot be read or holds neither table.
std::optional<ReadingsDoc> readReadingsDoc(const std::filesystem::path& path);
// A document with a table of forms only (docs/taf.md); nothing when it holds none.
std::optional<ReadingsDoc> readFormsDoc(const std::filesystem::path& path);

// True when a group of `report`, in capitals, matches one of `patterns` whole.
bool holdsAnyOf(std::string_view report, const std::vector<std::regex>& patterns);

}  // namespace vantrel::test
