#include "books/phenomenon_text.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "util/fields.h"
#include "util/number_text.h"
#include "util/rounding.h"
#include "util/utf8_text.h"

namespace quillon {
namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 34> kNames{{
    {"01", "露"},         {"02", "霜"},     {"03", "结冰"},   {"04", "烟幕"}, {"05", "霾"},
    {"06", "浮尘"},       {"07", "扬沙"},   {"08", "尘卷风"}, {"10", "轻雾"}, {"13", "闪电"},
    {"14", "极光"},       {"15", "大风"},   {"16", "积雪"},   {"17", "雷暴"}, {"18", "飑"},
    {"19", "龙卷"},       {"31", "沙尘暴"}, {"38", "吹雪"},   {"39", "雪暴"}, {"42", "雾"},
    {"48", "雾凇"},       {"50", "毛毛雨"}, {"56", "雨凇"},   {"60", "雨"},   {"68", "雨夹雪"},
    {"70", "雪"},         {"76", "冰针"},   {"77", "米雪"},   {"79", "冰粒"}, {"80", "阵雨"},
    {"83", "阵性雨夹雪"}, {"85", "阵雪"},   {"87", "霰"},     {"89", "冰雹"},
}};

constexpr int kSlots = 24;

// The hour slots (1..24) whose minutes overlap one time range of an item.
void MarkRange(std::string_view range, std::array<bool, kSlots + 1>& marked) {
  int start = PhenomenonMinutes(CharSub(range, 0, 4), " ");
  if (start == 0) start = 1;
  int end = start;
  size_t dash = range.find('-');
  if (dash != std::string_view::npos)
    end = PhenomenonMinutes(CharSub(range.substr(dash + 1), 0, 4), "-");
  for (int h = std::max(1, (start - 1) / 60 + 1); h <= kSlots; ++h) {
    int first = (h - 1) * 60 + 1, last = h * 60;
    if (first > end) break;
    if (last >= start) marked[h] = true;
  }
}

// One item with times: "60 0810-1030" marks the hours of rain.
void SpreadTimedItem(std::string_view item, ElementTable& w, int day) {
  std::string code = CharSub(item, 0, 2);
  std::string times(Trim(CharSub(item, 2)));
  if (times.empty()) return;
  std::array<bool, kSlots + 1> marked{};
  int ranges = CountOf(times, "'") + 1;
  for (int r = 1; r <= ranges; ++r) {
    std::string range = FieldOf(FieldOf(FieldOf(times, "'", r), "[", 1), ";", 1);
    MarkRange(range, marked);
  }
  std::string name = PhenomenonName(code);
  for (int h = 1; h <= kSlots; ++h)
    if (marked[h] && w.Contains(day, h)) w.At(day, h) += "," + name;
}

void FormatDay(ElementTable& w, int day) {
  const std::string text = w.At(day, 0);
  std::vector<std::string> fields = SplitAt(Trim(text), ',');
  int n = static_cast<int>(fields.size());
  std::vector<std::string> items(static_cast<size_t>(n) + 1);
  int group = 0;  // items before the one closing the untimed group
  for (int k = 1; k <= n; ++k) {
    std::string item = RemoveAll(fields[static_cast<size_t>(k - 1)], '(');
    if (item.find(')') != std::string::npos) {
      item = RemoveAll(item, ')');
      group = k - 1;
    }
    items[static_cast<size_t>(k)] = item;
  }
  if (group > 0 && w.Contains(day, 1)) {
    std::string names;
    for (int k = 1; k <= group; ++k)
      names += "," + PhenomenonName(FieldOf(items[static_cast<size_t>(k)], "[", 1));
    w.At(day, 1) += names;
  }
  // The part after the last comma is not an item of its own.
  for (int k = group + 1; k <= n - 1; ++k) SpreadTimedItem(items[static_cast<size_t>(k)], w, day);
  for (int h = 1; h <= kSlots && w.Contains(day, h); ++h) {
    std::string& cell = w.At(day, h);
    if (!cell.empty() && cell.front() == ',') cell.erase(0, 1);
  }
}

}  // namespace

std::string PhenomenonName(std::string_view code) {
  for (const auto& [c, name] : kNames)
    if (c == code) return std::string(name);
  return std::string(code);
}

int PhenomenonMinutes(std::string_view time, std::string_view mark) {
  if (time == "////") return -1;
  int h = RoundHalfAway(LeadingNumber(CharSub(time, 0, 2)));
  size_t length = CharLength(time);
  int m = RoundHalfAway(LeadingNumber(CharSub(time, length >= 2 ? length - 2 : 0)));
  if (h == 20) return (mark == "-" && m == 0) ? 1440 : m;
  if (h >= 21 && h <= 24) return (h - 20) * 60 + m;
  if (h == 0) return 240 + m;
  if (h >= 1 && h <= 19) return (h + 4) * 60 + m;
  return 0;
}

void FormatPhenomena(ElementTable& w) {
  if (!w.HasRows() || w.FirstSlot() != 0) return;
  for (int day = 1; day <= w.Days(); ++day) FormatDay(w, day);
}

}  // namespace quillon
