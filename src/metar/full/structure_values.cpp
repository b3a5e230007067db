#include "metar/full/structure_values.hpp"

#include <utility>

#include "metar/full/remarks.hpp"

namespace vantrel::full {

void explainIssueTime(LineText& line, bool speci, std::string_view day, std::string_view time) {
  Decoded d;
  d.kind = "issue_time";
  d.text("type", speci ? "SPECI" : "METAR");
  d.number("day", day);
  d.text("time", time);
  line.describe(std::move(d));
}

void explainStation(LineText& line, std::string_view station) {
  Decoded d;
  d.kind = "station";
  d.text("station", station);
  line.describe(std::move(d));
}

void explainNote(LineText& line, std::string_view note) {
  Decoded d;
  d.kind = "report_note";
  d.text("note", note);
  line.describe(std::move(d));
}

void explainHeading(LineText& line, const Group& keyword, bool probabilityTempo) {
  const std::string_view b = keyword.bytes();
  Decoded d;
  d.kind = "trend";
  if (keyword.upperSliceIs(1, "PROB")) {
    d.text("type", probabilityTempo ? "TEMPO" : "PROB");
    d.number("probability", b.substr(4, 2));
    d.null("time");
  } else if (keyword.upperSliceIs(1, "FM")) {
    d.text("type", "FM");
    d.null("probability");
    d.text("time", b.substr(2));
  } else {
    d.text("type", keyword.upperIs("BECMG")   ? "BECMG"
                   : keyword.upperIs("TEMPO") ? "TEMPO"
                                              : "INTER");
    d.null("probability");
    d.null("time");
  }
  line.describe(std::move(d));
}

void explainRemark(LineText& line, std::span<const Group> groups, std::size_t first) {
  Decoded d;
  describeRemark(groups, first, d);
  line.describe(std::move(d));
}

void explainMarker(LineText& line, std::string_view kind) {
  Decoded d;
  d.kind = kind;
  line.describe(std::move(d));
}

}  // namespace vantrel::full
