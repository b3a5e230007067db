#include "metar/full/remarks.hpp"

namespace vantrel::full {

std::size_t readRemark(std::span<const Group>, std::size_t, std::string&) {
  return 0;
}

}  // namespace vantrel::full
