#include "stats/wire_icing.h"

#include <stdexcept>
#include <string_view>

#include "util/number_text.h"

namespace quillon {
namespace {

constexpr int kCode = 46, kTemperature = 55, kWindDirection = 56, kWindSpeed = 57;
constexpr std::string_view kGlaze = "56", kRime = "48", kBoth = "5648";

bool Present(std::string_view cell) { return !cell.empty() && cell != "-"; }

std::string Plain(const std::string& cell) { return IsNumeric(cell) ? PlainNumber(cell) : cell; }

// The heaviest icing of one wire: by weight when weights were measured, the
// larger deposit (diameter + thickness) deciding between equal weights; by
// size alone when no weight was measured.
struct Heaviest {
  bool found = false;
  double weight = 0, size = 0;
  int day = 0, count = 0;

  void Take(double w, double s, int d) {
    if (!found || w > weight || (w == weight && s > size)) {
      found = true, weight = w, size = s, day = d, count = 1;
    } else if (w == weight && s == size) {
      ++count;
    }
  }
};

// Glaze and rime on the two wires: the month shows both when either wire had
// both, or one wire glaze and the other rime.
std::string MergedCode(const std::string& first, const std::string& second) {
  bool glaze = first.find(kGlaze) != std::string::npos || second.find(kGlaze) != std::string::npos;
  bool rime = first.find(kRime) != std::string::npos || second.find(kRime) != std::string::npos;
  if (glaze && rime) return std::string(kBoth);
  if (glaze) return std::string(kGlaze);
  if (rime) return std::string(kRime);
  return first.empty() ? second : first;
}

// The second wire's companion value joins the first wire's: two different
// values show as "2个".
void Merge(std::string& entry, const std::string& value, bool firstWireFound) {
  if (!firstWireFound)
    entry = value;
  else if (entry != value)
    entry = "2个";
}

}  // namespace

// Selector 4 is the south-north wire (slots 2-4), 7 the east-west wire
// (slots 5-7); the code, air temperature and wind of the heaviest icing are
// shared by both wires and merged by the second pass.
void WireIcingMaximum(int days, const ElementTable& tableG, TextList& monthExtremes, int selector) {
  if (selector != 4 && selector != 7) throw std::out_of_range("wire selector");
  if (selector == 4)
    for (int i = 46; i <= 57; ++i) monthExtremes.At(i) = "";
  bool byWeight = false;
  for (int day = 1; day <= days; ++day) byWeight = byWeight || Present(tableG.At(day, selector));
  Heaviest heaviest;
  for (int day = 1; day <= days; ++day) {
    const std::string& diameter = tableG.At(day, selector - 2);
    const std::string& thickness = tableG.At(day, selector - 1);
    bool sized = Present(diameter) && Present(thickness);
    double size = sized ? RequiredNumber(diameter) + RequiredNumber(thickness) : -1;
    if (byWeight) {
      const std::string& weight = tableG.At(day, selector);
      if (Present(weight)) heaviest.Take(RequiredNumber(weight), size, day);
    } else if (sized) {
      heaviest.Take(0, size, day);
    }
  }
  if (!heaviest.found) return;
  int d = heaviest.day;
  int base = selector == 4 ? 47 : 51;  // diameter, thickness, weight, day
  monthExtremes.At(base) = Plain(tableG.At(d, selector - 2));
  monthExtremes.At(base + 1) = Plain(tableG.At(d, selector - 1));
  monthExtremes.At(base + 2) = byWeight ? Plain(tableG.At(d, selector)) : "";
  monthExtremes.At(base + 3) =
      heaviest.count == 1 ? std::to_string(d) : std::to_string(heaviest.count) + "天";

  const std::string& wind = tableG.At(d, 9);
  size_t slash = wind.find('/');
  std::string direction = wind.substr(0, slash);
  std::string speed = slash == std::string::npos ? "" : wind.substr(slash + 1);
  if (IsNumeric(speed)) speed = Format00(RequiredNumber(speed));
  const std::string& code = tableG.At(d, 1);
  const std::string& temperature = tableG.At(d, 8);
  if (selector == 4) {
    monthExtremes.At(kCode) = code;
    monthExtremes.At(kTemperature) = temperature;
    monthExtremes.At(kWindDirection) = direction;
    monthExtremes.At(kWindSpeed) = speed;
    return;
  }
  bool firstWireFound = !monthExtremes.At(50).empty();
  monthExtremes.At(kCode) = MergedCode(monthExtremes.At(kCode), code);
  Merge(monthExtremes.At(kTemperature), temperature, firstWireFound);
  Merge(monthExtremes.At(kWindDirection), direction, firstWireFound);
  Merge(monthExtremes.At(kWindSpeed), speed, firstWireFound);
}

}  // namespace quillon
