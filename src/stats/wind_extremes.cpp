#include "stats/wind_extremes.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "util/number_text.h"
#include "util/wind_direction.h"

namespace quillon {
namespace {

// The strongest wind so far, the directions it came from and on how many
// days (or, in the daily records, how many records) it was reached.
struct Strongest {
  double speed;
  std::vector<std::string> directions;
  int day = 0;
  int count = 0;

  // True when this wind became the new strongest.
  bool Take(double s, const std::string& direction, int d) {
    if (s > speed) {
      speed = s, directions = {direction}, day = d, count = 1;
      return true;
    }
    if (s == speed &&
        std::find(directions.begin(), directions.end(), direction) == directions.end())
      directions.push_back(direction);
    return false;
  }
  std::string DirectionText() const {
    return directions.size() == 1 ? directions[0] : std::to_string(directions.size()) + "个";
  }
};

std::string_view Before(std::string_view cell, char c) { return cell.substr(0, cell.find(c)); }
std::string_view After(std::string_view cell, char c) {
  size_t at = cell.find(c);
  return at == std::string_view::npos ? std::string_view{} : cell.substr(at + 1);
}

}  // namespace

// A daily record holds the speed first: "156/90" is 15.6 m/s from 90 degrees.
void MonthWindExtreme(int days, const ElementTable& tableF3, TextList& monthExtremes,
                      int selector) {
  if (selector != 1 && selector != 3) throw std::out_of_range("wind record selector");
  int e = selector == 1 ? 65 : 70;
  for (int i = e; i <= e + 4; ++i) monthExtremes.At(i) = "";
  Strongest strongest{-999, {}, 0, 0};
  for (int day = 1; day <= days; ++day) {
    std::string_view cell = tableF3.At(day, selector);
    std::string_view speed = Before(cell, '/');
    if (speed.empty() || speed == "-") continue;
    std::string_view direction = After(cell, '/');
    std::string code =
        IsNumeric(direction) ? WindDirectionCode(direction, speed) : std::string(direction);
    if (!strongest.Take(RequiredNumber(speed), code, day) &&
        RequiredNumber(speed) == strongest.speed)
      ++strongest.count;
  }
  if (strongest.count == 0) return;
  monthExtremes.At(e) = Format00(strongest.speed);
  if (strongest.count == 1) {
    const std::string& time = tableF3.At(strongest.day, selector + 1);
    monthExtremes.At(e + 1) = strongest.directions[0];
    monthExtremes.At(e + 2) = std::to_string(strongest.day);
    monthExtremes.At(e + 3) = time.substr(0, 2);
    monthExtremes.At(e + 4) = time.size() >= 2 ? time.substr(time.size() - 2) : time;
  } else {
    monthExtremes.At(e + 1) = strongest.DirectionText();
    monthExtremes.At(e + 2) = std::to_string(strongest.count) + "天";
  }
}

// From the two-minute wind, for a month without daily maximum-wind records.
// Degrees are named by their compass code, as in the records.
void ObservedWindMaximum(int days, const ElementTable& tableF, TextList& monthExtremes) {
  for (int i = 58; i <= 60; ++i) monthExtremes.At(i) = "";
  Strongest strongest{-1, {}, 0, 0};
  int lastCountedDay = 0;
  for (int day = 1; day <= days; ++day) {
    for (int slot = tableF.FirstSlot(); slot <= tableF.LastSlot(); ++slot) {
      std::string_view cell = tableF.At(day, slot);
      std::string_view speed = After(cell, '/');
      // a direction without its speed says nothing of the strongest wind
      if (speed.empty() || speed == "-") continue;
      double value = RequiredNumber(speed);
      if (value < strongest.speed) continue;  // most observations: no direction needed
      std::string_view direction = Before(cell, '/');
      std::string code =
          IsNumeric(direction) ? WindDirectionCode(direction, speed) : std::string(direction);
      if (strongest.Take(value, code, day)) {
        lastCountedDay = day;
      } else if (value == strongest.speed && day != lastCountedDay) {
        ++strongest.count;
        lastCountedDay = day;
      }
    }
  }
  if (strongest.count == 0) return;
  monthExtremes.At(58) = Format00(strongest.speed);
  bool oneDay = strongest.count == 1;
  std::string joined;
  for (const std::string& d : strongest.directions) joined += (joined.empty() ? "" : ",") + d;
  monthExtremes.At(59) = oneDay ? joined : strongest.DirectionText();
  monthExtremes.At(60) =
      oneDay ? std::to_string(strongest.day) : std::to_string(strongest.count) + "天";
}

}  // namespace quillon
