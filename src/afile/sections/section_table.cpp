#include "afile/sections/section_table.h"

#include "afile/sections/section_steps.h"
#include "util/utf8_text.h"

namespace quillon {
namespace {

const std::vector<Section>& AllSections() {
  static const std::vector<Section> sections = [] {
    std::vector<Section> all = PressureToVisibilitySections();
    for (auto part : {RainToWindSections(), GroundToGrassSections()})
      all.insert(all.end(), part.begin(), part.end());
    return all;
  }();
  return sections;
}

}  // namespace

void ReadSections(LineSource& lines, MonthData& data, bool decode) {
  bool hasGrass = CharLength(TextOf(data.Header.HeaderLine)) == 75;
  int number = 0;
  for (const Section& section : AllSections()) {
    SectionRead read{lines, data, ++number, {}, {}, decode};
    // Only the 75-character layout has a grass section: the tables keep
    // their sizes, empty, and no line is read for it.
    if (section.letter == 'B' && !hasGrass) {
      section.preset(read);
      // assign rather than = "=": GCC 12 misreports the literal copy here.
      data.SectionModes.At(number).assign(1, '=');
      continue;
    }
    ReadSection(section, read);
  }
}

}  // namespace quillon
