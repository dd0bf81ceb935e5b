#include "afile/sections/section_steps.h"

#include <algorithm>
#include <stdexcept>

#include "afile/format_error.h"
#include "afile/header_line.h"
#include "afile/line_readers.h"
#include "afile/table_state.h"
#include "util/utf8_text.h"

namespace quillon {

Step Day(TableMember table, int slots, int from, char separator) {
  return {table, Layout::DayLines, slots, from, separator};
}
Step Half(TableMember table, int slots) { return {table, Layout::HalfDay, slots}; }
Step HalfReadings(TableMember table, int slots) {
  return {table, Layout::HalfDay, slots, 1, ' ', true};
}
Step Quarter(TableMember table, int slots, char separator) {
  return {table, Layout::QuarterDay, slots, 1, separator};
}
Step Dated(TableMember table, int slots) { return {table, Layout::Dated, slots}; }
Step SizeOnly(TableMember table, int slots) { return {table, Layout::SizeOnly, slots}; }

int SectionRead::Days() const { return data.Header.DaysInMonth.value_or(0); }
int SectionRead::TimesPerDay() const { return TimesPerDaySlots(data.Header); }
int SectionRead::DataSlots() const { return quillon::DataSlots(data.Header); }
bool SectionRead::Manual() const { return data.Header.ObservationType == "人工"; }

bool SectionRead::ModeIs(std::initializer_list<std::string_view> modes) const {
  return std::find(modes.begin(), modes.end(), mode) != modes.end();
}

void SectionRead::Size(ElementTable& table, int slots) const { table.Resize(Days(), 1, slots); }

void SectionRead::FlagAbsentWhenEmpty(int flag, const ElementTable& table) {
  if (TableIsEmpty(table)) data.Header.Flag(flag) = "9";
}

bool EndsWith(std::string_view text, char c) { return !text.empty() && text.back() == c; }

namespace {

void RunStep(const Step& step, SectionRead& s) {
  ElementTable& table = s.data.*step.table;
  if (step.slots > 0) s.Size(table, step.slots);
  switch (step.layout) {
    case Layout::SizeOnly:
      break;
    case Layout::DayLines:
      ReadDayLines(s.lines, table, step.from - 1, step.separator);
      break;
    case Layout::HalfDay:
      ReadHalfDayLines(s.lines, table, step.readings && s.decode);
      break;
    case Layout::QuarterDay:
      ReadQuarterDayLines(s.lines, table, step.separator, s.line);
      break;
    case Layout::Dated:
      ReadDatedLines(s.lines, table);
      break;
    case Layout::Sunshine:
      ReadSunshineLines(s.lines, table, step.from - 1);
      break;
    case Layout::Timed:
      ReadTimedLines(s.lines, table);
      break;
    case Layout::Icing:
      MergeIcingBlocks(s.lines, s.Days(), table);
      break;
  }
}

const ModeRule* RuleFor(const Section& section, std::string_view mode) {
  for (const ModeRule& rule : section.rules)
    if (std::find(rule.modes.begin(), rule.modes.end(), mode) != rule.modes.end()) return &rule;
  return nullptr;
}

}  // namespace

void ReadSection(const Section& section, SectionRead& s) {
  const std::string letter(1, section.letter);
  if (!s.lines.Next(s.line))
    throw FormatError(s.lines.LineNumber() + 1,
                      "the file ends where section " + Quoted(letter) + " was expected");
  s.mode = CharSub(s.line, 1);
  s.data.SectionModes.At(s.number) = s.mode;
  section.preset(s);
  if (CharSub(s.line, 0, 1) != letter)
    throw FormatError(s.lines.LineNumber(),
                      "expected section " + Quoted(letter) + ", found " + Quoted(s.line));
  const ModeRule* rule = RuleFor(section, s.mode);
  // A mode ending with "=" is a section written without data.
  if (!rule && !section.anyMode && !EndsWith(s.mode, '='))
    throw FormatError(s.lines.LineNumber(),
                      "section " + Quoted(letter) + " has no mode " + Quoted(s.mode));
  try {
    if (rule)
      for (const Step& step : rule->steps) RunStep(step, s);
    if (section.finish) section.finish(s);
  } catch (const FormatError& e) {
    throw FormatError(
        e.Line(), e.Detail() + " (section " + Quoted(letter) + ", mode " + Quoted(s.mode) + ")");
  } catch (const std::out_of_range& e) {
    throw FormatError(s.lines.LineNumber(), std::string("a value outside its table: ") + e.what() +
                                                " (section " + Quoted(letter) + ")");
  }
}

}  // namespace quillon
