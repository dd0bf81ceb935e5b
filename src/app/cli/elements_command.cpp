// elements [--json]: the element catalogue, for users and for the checks.
#include <iostream>
#include <nlohmann/json.hpp>

#include "app/cli/commands.h"
#include "books/element_catalogue.h"

namespace quillon::cli {
namespace {

std::string_view TimedName(TimedColumn timed) {
  switch (timed) {
    case TimedColumn::None:
      return "none";
    case TimedColumn::Copy:
      return "copy";
    case TimedColumn::Phenomena:
      return "phenomena";
    case TimedColumn::TimedRain:
      return "timed-rain";
    case TimedColumn::WindDirection:
      return "wind-direction";
    case TimedColumn::WindSpeed:
      return "wind-speed";
  }
  return "";
}

}  // namespace

int RunElements(bool json) {
  if (!json) {
    for (const Element& e : Elements()) std::cout << e.name << "\n";
    return kExitDone;
  }
  nlohmann::json list = nlohmann::json::array();
  for (const Element& e : Elements()) {
    nlohmann::json titles = nlohmann::json::array();
    for (std::string_view t : e.StatsTitles()) titles.push_back(t);
    list.push_back({{"name", e.name},
                    {"table", TableNameOf(e.table)},
                    {"timed", TimedName(e.timed)},
                    {"statsTitles", titles}});
  }
  std::cout << list.dump(2) << "\n";
  return kExitDone;
}

}  // namespace quillon::cli
