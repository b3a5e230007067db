#include "metar/translation.hpp"

namespace vantrel {

std::vector<std::string> Translation::lines() const {
  std::vector<std::string> out;
  out.reserve(size());
  for (std::size_t i = 0; i < size(); ++i) out.emplace_back(line(i));
  return out;
}

std::size_t UnreadGroups::size() const noexcept {
  std::size_t n = 0;
  for (auto it = begin(); it != end(); ++it) ++n;
  return n;
}

}  // namespace vantrel
