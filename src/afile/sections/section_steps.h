// The element sections of an A file described as data: for each section its
// letter, the sizes its tables get before the mode is known, and for each
// mode the tables it reads in order and with which line layout. What a mode
// does beyond reading (flags, copies between slots) is the section's own
// finishing step.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "afile/line_source.h"
#include "afile/month_data.h"

namespace quillon {

using TableMember = ElementTable MonthData::*;

enum class Layout {
  SizeOnly,    // the table gets its size and no line is read
  DayLines,    // ReadDayLines
  HalfDay,     // ReadHalfDayLines
  QuarterDay,  // ReadQuarterDayLines
  Dated,       // ReadDatedLines
  Sunshine,    // ReadSunshineLines
  Timed,       // ReadTimedLines
  Icing,       // MergeIcingBlocks
};

struct Step {
  TableMember table;
  Layout layout;
  int slots = 0;  // above 0: the table gets slots 1..slots before it is read
  int from = 1;   // first slot of a day line's values
  char separator = ' ';
  // Half-day lines of a table whose decoder only makes its readings plain:
  // they are placed plain already when the file is decoded.
  bool readings = false;
};

Step Day(TableMember table, int slots = 0, int from = 1, char separator = ' ');
Step Half(TableMember table, int slots = 0);
Step HalfReadings(TableMember table, int slots = 0);
Step Quarter(TableMember table, int slots = 0, char separator = ' ');
Step Dated(TableMember table, int slots = 0);
Step SizeOnly(TableMember table, int slots);

struct ModeRule {
  std::vector<std::string_view> modes;
  std::vector<Step> steps;
};

// One section while it is read.
struct SectionRead {
  LineSource& lines;
  MonthData& data;
  int number = 0;       // 1..20, the entry in SectionModes
  std::string line;     // the section line as written
  std::string mode;     // the text after the letter
  bool decode = false;  // the tables will be decoded after the read

  AFileHeader& Header() { return data.Header; }
  int Days() const;
  int TimesPerDay() const;  // 3 counted as 4
  int DataSlots() const;    // times per day for manual stations, else 24
  bool Manual() const;
  bool ModeIs(std::initializer_list<std::string_view> modes) const;
  // The table gets days x slots 1..slots, all empty.
  void Size(ElementTable& table, int slots) const;
  // Flag n becomes "9" when the table holds no data.
  void FlagAbsentWhenEmpty(int flag, const ElementTable& table);
};

struct Section {
  char letter;
  void (*preset)(SectionRead&);
  std::vector<ModeRule> rules;
  void (*finish)(SectionRead&) = nullptr;  // after any accepted mode
  bool anyMode = false;                    // no mode test at all
};

// Reads the section line and body of one section; FormatError when the line
// is not the section's or names a mode the section does not know.
void ReadSection(const Section& section, SectionRead& read);

bool EndsWith(std::string_view text, char c);

// The sections by part of the file, each list in file order.
std::vector<Section> PressureToVisibilitySections();  // P T I E U N H C V
std::vector<Section> RainToWindSections();            // R W L Z G F
std::vector<Section> GroundToGrassSections();         // D K A S B

}  // namespace quillon
