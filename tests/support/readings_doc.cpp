#include "support/readings_doc.hpp"

#include "support/files.hpp"
#include "support/lines.hpp"

namespace vantrel::test {
namespace {

// The cells of a table row, split at the "|" that are not escaped as "\|".
std::vector<std::string> cellsOf(std::string_view row) {
  std::vector<std::string> cells;
  std::string cell;
  for (std::size_t i = 1; i < row.size(); ++i) {
    if (row[i] == '\\' && i + 1 < row.size() && row[i + 1] == '|') {
      cell += '|';
      ++i;
    } else if (row[i] == '|') {
      cells.push_back(cell);
      cell.clear();
    } else {
      cell += row[i];
    }
  }
  return cells;
}

// The text between the first pair of backticks of a cell.
std::string codeOf(std::string_view cell) {
  const std::size_t open = cell.find('`');
  const std::size_t close = cell.find('`', open + 1);
  if (open == std::string_view::npos || close == std::string_view::npos) return {};
  return std::string(cell.substr(open + 1, close - open - 1));
}

}  // namespace

namespace {

std::optional<ReadingsDoc> readTables(const std::filesystem::path& path) {
  const std::optional<std::string> text = readFile(path);
  if (!text) return std::nullopt;
  ReadingsDoc doc;
  enum class Table { kNone, kForms, kRemarks, kDifferences } table = Table::kNone;
  for (const std::string_view line : splitLines(*text)) {
    if (line.starts_with("## Forms")) table = Table::kForms;
    if (line.starts_with("## Remarks")) table = Table::kRemarks;
    if (line.starts_with("## Where")) table = Table::kDifferences;
    if (!line.starts_with("| `") && !(table == Table::kForms && line.starts_with("| "))) continue;
    const std::vector<std::string> cells = cellsOf(line);
    if (table == Table::kForms && cells.size() == 4 && !codeOf(cells[2]).empty()) {
      doc.forms.push_back({codeOf(cells[2]), codeOf(cells[3])});
    } else if (table == Table::kRemarks && cells.size() == 3 && !codeOf(cells[1]).empty()) {
      doc.forms.push_back({codeOf(cells[1]), codeOf(cells[2])});
    } else if (table == Table::kDifferences && !cells.empty()) {
      doc.differences.emplace_back(codeOf(cells[0]));
    }
  }
  return doc;
}

}  // namespace

std::optional<ReadingsDoc> readReadingsDoc(const std::filesystem::path& path) {
  std::optional<ReadingsDoc> doc = readTables(path);
  if (doc && (doc->forms.empty() || doc->differences.empty())) doc.reset();
  return doc;
}

std::optional<ReadingsDoc> readFormsDoc(const std::filesystem::path& path) {
  std::optional<ReadingsDoc> doc = readTables(path);
  if (doc && doc->forms.empty()) doc.reset();
  return doc;
}

bool holdsAnyOf(std::string_view report, const std::vector<std::regex>& patterns) {
  std::string group;
  for (std::size_t i = 0; i <= report.size(); ++i) {
    if (i < report.size() && report[i] != ' ') {
      const char c = report[i];
      group += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
      continue;
    }
    for (const std::regex& pattern : patterns) {
      if (!group.empty() && std::regex_match(group, pattern)) return true;
    }
    group.clear();
  }
  return false;
}

}  // namespace vantrel::test
