// Sky: FEW|SCT|BKN|OVC|/// hhh [CB|TCU|///], ///CB, FEWCB010, VVhhh, VV///, SKC CLR NSC NCD,
// ////// and /////////, a lone CB or TCU after a layer, and FEW 019 over two groups.

#include "metar/codes/chars.hpp"
#include "metar/full/recognisers.hpp"

namespace vantrel::full {
namespace {

using codes::allDigits;
using codes::CloudType;
using values::Cloud;

std::optional<codes::CloudAmount> amountOf(std::string_view u) {
  for (const codes::CloudCode& c : codes::kCloudCodes) {
    if (u.starts_with(c.code)) return c.amount;
  }
  return std::nullopt;
}

// The cloud is made where it is kept, first thing: these only say it is done.
std::size_t take(const Cloud&) {
  return 1;
}
std::size_t take(Cloud& cloud, Cloud::Kind kind) {
  cloud.kind = kind;
  return 1;
}

}  // namespace

std::size_t readSky(const Context& c, values::GroupValue& value) {
  const std::string_view u = c.u;
  Cloud& cloud = value.emplace<Cloud>();
  if (u == "SKC") return take(cloud, Cloud::Kind::kSkyClear);
  if (u == "CLR") return take(cloud, Cloud::Kind::kClearBelow12000);
  if (u == "NSC") return take(cloud, Cloud::Kind::kNoSignificant);
  if (u == "NCD") return take(cloud, Cloud::Kind::kNoneDetected);
  if ((u == "CB" || u == "TCU") && c.facts.cloudFound) {
    cloud.kind = Cloud::Kind::kTypeOfLayer;
    cloud.type = u == "CB" ? CloudType::kCumulonimbus : CloudType::kToweringCumulus;
    return take(cloud);
  }
  if (u.size() == 5 && u.starts_with("VV")) {
    const std::string_view h = c.typed().substr(2);
    if (h != "///" && !allDigits(h)) return 0;
    cloud.kind = Cloud::Kind::kVerticalVisibility;
    if (h != "///") cloud.height = h;
    return take(cloud);
  }
  if (u == "//////" || u == "/////////") return take(cloud, Cloud::Kind::kNotReported);
  if (u == "///CB" || u == "///TCU") {
    cloud.type = u == "///CB" ? CloudType::kCumulonimbus : CloudType::kToweringCumulus;
    return take(cloud);
  }
  // FEWCB010: the type written before the height.
  if (u.size() == 8 && u.substr(3, 2) == "CB" && allDigits(u.substr(5))) {
    if (const std::optional<codes::CloudAmount> amount = amountOf(u)) {
      cloud.amountGiven = true;
      cloud.amount = *amount;
      cloud.height = c.typed().substr(5);
      cloud.type = CloudType::kCumulonimbus;
      return take(cloud);
    }
  }
  if (u.size() < 6) return 0;
  const std::optional<codes::CloudAmount> amount = amountOf(u);
  if (!amount && !u.starts_with("///")) return 0;
  const std::string_view height = c.typed().substr(3, 3);
  const bool heightMissing = height == "///";
  if (!heightMissing && !allDigits(height)) return 0;
  const std::string_view type = u.substr(6);
  if (type == "CB") {
    cloud.type = CloudType::kCumulonimbus;
  } else if (type == "TCU") {
    cloud.type = CloudType::kToweringCumulus;
  } else if (type == "///") {
    cloud.type = CloudType::kNotReported;
  } else if (!type.empty()) {
    return 0;
  }
  // ////// is the whole layer not reported (above); ///hhh/// says nothing either.
  if (!amount && heightMissing && cloud.type != CloudType::kCumulonimbus &&
      cloud.type != CloudType::kToweringCumulus) {
    return 0;
  }
  cloud.amountGiven = amount.has_value();
  if (amount) cloud.amount = *amount;
  if (!heightMissing) cloud.height = height;
  return take(cloud);
}

// FEW 019: the amount and its height written apart.
std::size_t readSplitCloud(const Context& c, values::GroupValue& value) {
  if (c.i + 1 >= c.groups.size()) return 0;
  const std::string_view next = c.groups[c.i + 1].bytes();
  if (next.size() != 3 || !allDigits(next)) return 0;
  for (const codes::CloudCode& code : codes::kCloudCodes) {
    if (c.u == code.code) {
      Cloud cloud;
      cloud.amountGiven = true;
      cloud.amount = code.amount;
      cloud.height = next;
      value = cloud;
      return 2;
    }
  }
  return 0;
}

}  // namespace vantrel::full
