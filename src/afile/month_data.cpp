#include "afile/month_data.h"

#include <utility>

namespace quillon {
namespace {

using TableMember = ElementTable MonthData::*;

const std::vector<std::pair<std::string_view, TableMember>>& TableMembers() {
  static const std::vector<std::pair<std::string_view, TableMember>> members{
      {"TableP", &MonthData::TableP},   {"TableT", &MonthData::TableT},
      {"TableI", &MonthData::TableI},   {"TableE", &MonthData::TableE},
      {"TableU", &MonthData::TableU},   {"TableI2", &MonthData::TableI2},
      {"TableN", &MonthData::TableN},   {"TableN2", &MonthData::TableN2},
      {"TableC", &MonthData::TableC},   {"TableH", &MonthData::TableH},
      {"TableV", &MonthData::TableV},   {"TableR", &MonthData::TableR},
      {"TableW", &MonthData::TableW},   {"TableF", &MonthData::TableF},
      {"TableD", &MonthData::TableD},   {"TableB", &MonthData::TableB},
      {"TableB2", &MonthData::TableB2}, {"TableD2", &MonthData::TableD2},
      {"TableD3", &MonthData::TableD3}, {"TableD4", &MonthData::TableD4},
      {"TableD5", &MonthData::TableD5}, {"TableD6", &MonthData::TableD6},
      {"TableK", &MonthData::TableK},   {"TableK2", &MonthData::TableK2},
      {"TableK3", &MonthData::TableK3}, {"TableL", &MonthData::TableL},
      {"TableL2", &MonthData::TableL2}, {"TableP2", &MonthData::TableP2},
      {"TableZ", &MonthData::TableZ},   {"TableF3", &MonthData::TableF3},
      {"TableA", &MonthData::TableA},   {"TableG", &MonthData::TableG},
      {"TableR2", &MonthData::TableR2}, {"TableF2", &MonthData::TableF2},
      {"TableS", &MonthData::TableS},   {"TableR3", &MonthData::TableR3},
  };
  return members;
}

}  // namespace

void ResetMonthData(MonthData& data) {
  data.Header = AFileHeader{};
  data.SectionModes.Resize(1, kSectionCount);
  for (const auto& [name, member] : TableMembers()) (data.*member).Erase();
  data.TableR4.Erase();
  data.CoverLines.Resize(1, 12);
  data.NotesJY.Erase();
  data.NotesGK.Erase();
  data.NotesBZ.Erase();
}

ElementTable* TableByName(MonthData& data, std::string_view name) {
  for (const auto& [n, member] : TableMembers())
    if (n == name) return &(data.*member);
  return nullptr;
}

const ElementTable* TableByName(const MonthData& data, std::string_view name) {
  return TableByName(const_cast<MonthData&>(data), name);
}

std::string_view TableNameOf(ElementTable MonthData::*member) {
  for (const auto& [n, m] : TableMembers())
    if (m == member) return n;
  return {};
}

const std::vector<std::string_view>& TableNames() {
  static const std::vector<std::string_view> names = [] {
    std::vector<std::string_view> v;
    for (const auto& [name, member] : TableMembers()) v.push_back(name);
    return v;
  }();
  return names;
}

}  // namespace quillon
