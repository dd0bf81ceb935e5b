// Where each mode of each section puts its values. Every section body ends
// its tables after day 1 with an "=" line, so a case shows day 1 only.
#include <gtest/gtest.h>

#include "support/afile_builder.h"
#include "support/table_text.h"

namespace quillon {
namespace {

using test::AFileBuilder;
using test::HeaderFields;
using test::Seq;
using Lines = std::vector<std::string>;

HeaderFields Manual4() { return {}; }  // 66 characters, four times a day, January
HeaderFields WithKind(char kind) {
  HeaderFields h;
  h.kind = kind;
  return h;
}
HeaderFields ThreeTimes() { return WithKind('4'); }
HeaderFields Reference() { return WithKind('1'); }  // "基准站", manual, 24 times
HeaderFields Automatic75() {
  HeaderFields h = WithKind('1');
  h.length = 75;
  h.latitude = "3956N";
  h.longitude = "11628E";
  h.type = '1';
  return h;
}

Lines Cat(std::initializer_list<Lines> parts) {
  Lines all;
  for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}
// Day 1 as one line, then the end of the table.
Lines D1(const std::string& line) { return {line, "="}; }
// Day 1 as two half-day lines.
Lines H1(int second = 12, int first = 12) {
  return {Seq(1, first), Seq(first + 1, second) + ".", "="};
}
// Day 1 as four quarter-day lines of a wind table (6 values each) or of a
// cloud table (8, 5, 5 and 6 values, comma-separated).
const Lines kWindQuarters{Seq(1, 6), Seq(7, 6), Seq(13, 6), Seq(19, 6) + ".", "="};
const Lines kCloudQuarters{Seq(1, 8, ','), Seq(9, 5, ','), Seq(14, 5, ','), Seq(19, 6, ',') + ".",
                           "="};

struct Expect {
  const char* table;
  std::string row;
  int day = 1;
};

struct ModeCase {
  char letter;
  Lines modes;
  Lines body;
  std::vector<Expect> rows;
  HeaderFields header = Manual4();
  const char* modeEntry = nullptr;  // the SectionModes entry after reading
};

std::string RowOf(const MonthData& data, const Expect& e) {
  if (std::string_view(e.table) == "TableR4")
    return data.TableR4.At(1) + "|" + data.TableR4.At(2) + "|" + data.TableR4.At(3);
  const ElementTable& table = *TableByName(data, e.table);
  return table.HasRows() ? test::Row(table, e.day) : "(no rows)";
}

const std::string k24 = Seq(1, 24, '|');
const std::string kEmpty24(23, '|');
const std::string kEmpty4 = "|||";

const ModeCase kCases[] = {
    {'P', {"0"}, D1("1 2 3 4 5 6"), {{"TableP", "1|2|3|4|5|6"}, {"TableP2", kEmpty4}}},
    {'P', {"2"}, D1("1 2 3 4"), {{"TableP", "1|2|3|4"}}},
    {'P',
     {"3"},
     Cat({D1("1 2 3 4 5 6"), D1("7 8 9 10")}),
     {{"TableP", "1|2|3|4|5|6"}, {"TableP2", "7|8|9|10"}}},
    {'P',
     {"4"},
     Cat({D1("1 2 3 4"), D1("7 8 9 10")}),
     {{"TableP", "1|2|3|4"}, {"TableP2", "7|8|9|10"}}},
    {'P',
     {"6"},
     Cat({D1("2 3 4 5 6"), D1("8 9 10")}),
     {{"TableP", "|2|3|4|5|6"}, {"TableP2", "|8|9|10"}}},
    {'P', {"7"}, D1("2 3 4 5 6"), {{"TableP", "|2|3|4|5|6"}}},
    {'P', {"8"}, Cat({D1("2 3 4"), D1("8 9 10")}), {{"TableP", "|2|3|4"}, {"TableP2", "|8|9|10"}}},
    {'P', {"9"}, D1("2 3 4"), {{"TableP", "|2|3|4"}}, ThreeTimes()},
    {'P', {"A"}, H1(14), {{"TableP", Seq(1, 26, '|')}}},
    {'P',
     {"B"},
     Cat({H1(14), D1("7 8 9 10")}),
     {{"TableP", Seq(1, 26, '|')}, {"TableP2", "7|8|9|10"}}},
    {'P',
     {"C"},
     Cat({H1(16), D1("7 8 9 10")}),
     {{"TableP", Seq(1, 28, '|')}, {"TableP2", "7|8|9|10"}}},
    {'P', {"D"}, Cat({H1(16), H1()}), {{"TableP", Seq(1, 28, '|')}, {"TableP2", k24}}},
    {'P', {"5="}, {}, {{"TableP", "|||||"}}},
    {'T', {"0"}, D1("1 2 3 4 5 6"), {{"TableT", "1|2|3|4|5|6"}}},
    {'T', {"9"}, D1("2 3 4 5 6"), {{"TableT", "|2|3|4|5|6"}}},
    {'T', {"A"}, H1(14), {{"TableT", Seq(1, 26, '|')}}},
    {'T', {"B"}, H1(16), {{"TableT", Seq(1, 28, '|')}}},
    {'I', {"0"}, D1("1 2 3 4"), {{"TableI", "1|2|3|4"}, {"TableI2", kEmpty4}}},
    {'I',
     {"2"},
     Cat({D1("1 2 3 4"), D1("5 6 7 8")}),
     {{"TableI", "1|2|3|4"}, {"TableI2", "5|6|7|8"}}},
    {'I', {"7"}, Cat({D1("2 3 4"), D1("5 6 7 8")}), {{"TableI", "|2|3|4"}, {"TableI2", "5|6|7|8"}}},
    {'I', {"8"}, Cat({D1("2 3 4"), D1("6 7 8")}), {{"TableI", "|2|3|4"}, {"TableI2", "|6|7|8"}}},
    {'I', {"9"}, D1("2 3 4"), {{"TableI", "|2|3|4"}}},
    {'I', {"A"}, H1(), {{"TableI", k24}, {"TableI2", kEmpty24}}},
    {'I', {"B"}, Cat({H1(), H1()}), {{"TableI", k24}, {"TableI2", k24}}},
    {'E', {"0"}, D1("1 2 3 4"), {{"TableE", "1|2|3|4"}}},
    {'E', {"9"}, D1("2 3 4"), {{"TableE", "|2|3|4"}}},
    {'E', {"A"}, H1(), {{"TableE", k24}}},
    {'U', {"0"}, D1("1 2 3 4 5"), {{"TableU", "1|2|3|4|5"}}},
    {'U', {"2"}, D1("1 2 3 4"), {{"TableU", "1|2|3|4"}}},
    {'U', {"7"}, D1("2 3 4 5"), {{"TableU", "|2|3|4|5"}}},
    {'U', {"9"}, D1("2 3 4"), {{"TableU", "|2|3|4"}}},
    {'U', {"A"}, H1(13), {{"TableU", Seq(1, 25, '|')}}},
    {'U', {"B"}, H1(14), {{"TableU", Seq(1, 26, '|')}}},
    {'N',
     {"0"},
     Cat({D1("1 2 3 4"), D1("5 6 7 8")}),
     {{"TableN", "1|2|3|4"}, {"TableN2", "5|6|7|8"}}},
    {'N', {"9"}, Cat({D1("2 3 4"), D1("6 7 8")}), {{"TableN", "|2|3|4"}, {"TableN2", "|6|7|8"}}},
    {'N', {"A"}, Cat({D1(Seq(1, 24)), D1(Seq(1, 24))}), {{"TableN", k24}, {"TableN2", k24}}},
    {'H', {"0"}, D1("SC0600,,CB1200,"), {{"TableH", "SC0600||CB1200|"}}},
    {'H', {"9"}, D1("SC0600,CB1200"), {{"TableH", "|SC0600|CB1200|"}}},
    {'H',
     {"1"},
     {"0108 SC0600", "0214 CB1200="},
     {{"TableH", "|SC0600||"}, {"TableH", "||CB1200|", 2}}},
    {'H', {"B"}, kCloudQuarters, {{"TableH", k24}}},
    {'H', {"="}, {}, {{"TableH", kEmpty24}}, Reference()},
    {'C', {"0"}, D1("SCT,CUU,,"), {{"TableC", "SCT|CUU||"}}},
    {'C', {"9"}, D1("SCT,CUU,ACR"), {{"TableC", "|SCT|CUU|ACR"}}},
    {'C', {"A"}, kCloudQuarters, {{"TableC", k24}}},
    {'V', {"0", "8"}, D1("1 2 3 4"), {{"TableV", "1|2|3|4"}}},
    {'V', {"7", "9"}, D1("2 3 4"), {{"TableV", "|2|3|4"}}},
    {'V', {"A"}, H1(), {{"TableV", k24}}},
    {'V', {"B"}, H1(14), {{"TableV", Seq(1, 26, '|')}}},
    {'R', {"0"}, Cat({D1("1 2 3"), D1("4 5")}), {{"TableR", "1|2|3"}, {"TableR3", "4|5"}}},
    {'R', {"1"}, Cat({{"01 1 2 3="}, D1("4 5")}), {{"TableR", "1|2|3"}, {"TableR3", "4|5"}}},
    {'R', {"2"}, D1("1 2 3"), {{"TableR", "1|2|3"}, {"TableR3", "(no rows)"}}},
    {'R', {"3"}, {"01 1 2 3="}, {{"TableR", "1|2|3"}}},
    {'R', {"5"}, Cat({D1("1 2 3"), {"01 4 5="}}), {{"TableR", "1|2|3"}, {"TableR3", "4|5"}}},
    {'R',
     {"6"},
     Cat({D1("1 2 3"), H1(), {"0012 12-03 00235="}}),
     {{"TableR", "1|2|3"}, {"TableR2", k24}, {"TableR4", "0012|12-03|00235"}}},
    {'R',
     {"7"},
     Cat({{"01 1 2 3="}, H1(), {"0012 12-0314-03 00235="}}),
     {{"TableR", "1|2|3"}, {"TableR2", k24}, {"TableR4", "0012|12-0314-03|00235"}}},
    {'R',
     {"8"},
     Cat({D1("1 2 3"), {"01 " + Seq(1, 12), Seq(13, 12) + "="}, {"0012 12-03 00235="}}),
     {{"TableR", "1|2|3"}, {"TableR2", k24}, {"TableR4", "0012|12-03|00235"}}},
    {'R',
     {"9"},
     Cat({{"01 1 2 3="}, {"01 " + Seq(1, 12), Seq(13, 12) + "="}, {"short="}}),
     {{"TableR", "1|2|3"}, {"TableR2", k24}, {"TableR4", "||"}}},
    {'W',
     {"0", "X"},
     {"60 0810 1030,.", "(01,)10 0600 0800,="},
     {{"TableW", "60 0810 1030,." + std::string(24, '|')},
      {"TableW", "(01,)10 0600 0800," + std::string(24, '|'), 2}}},
    {'W', {"="}, {}, {{"TableW", std::string(24, '|')}}},
    {'L', {"0"}, Cat({D1("25"), D1("31")}), {{"TableL", "|25"}, {"TableL2", "|31"}}},
    {'L', {"A", "B"}, Cat({D1("25"), H1()}), {{"TableL", "|25"}, {"TableL2", k24 + "|"}}},
    {'L', {"A=", "B="}, {}, {{"TableL2", std::string(24, '|')}}},
    {'Z', {"0"}, D1("12 ///"), {{"TableZ", "12|///"}}},
    {'Z', {"1"}, {"03 12 000="}, {{"TableZ", "12|000", 3}}},
    {'G',
     {"0"},
     Cat({D1("010 020 030 040 050 060"), D1("000 000 000 000 000 000")}),
     {{"TableG", "5600|010|020|030|040|050|060||"}},
     Manual4(),
     "2"},
    {'G', {"2"}, D1("0048 1 2 3 4 5 6 -05 270032"), {{"TableG", "0048|1|2|3|4|5|6|-05|270032"}}},
    {'G',
     {"3"},
     {"04 0048 1 2 3 4 5 6 -05 270032="},
     {{"TableG", "0048|1|2|3|4|5|6|-05|270032", 4}}},
    {'F',
     {"0", "4"},
     Cat({D1("1 2 3 4"), D1("a b c d")}),
     {{"TableF", "1|2|3|4"}, {"TableF3", "a|b|c|d"}}},
    {'F', {"2", "G"}, D1("1 2 3 4"), {{"TableF", "1|2|3|4"}, {"TableF3", kEmpty4}}},
    {'F', {"5"}, Cat({D1("1 2 3 4"), D1("b c d")}), {{"TableF", "1|2|3|4"}, {"TableF3", "|b|c|d"}}},
    {'F',
     {"E", "F"},
     Cat({D1("1 2 3 4"), kWindQuarters, D1("a b c d")}),
     {{"TableF", "1|2|3|4"}, {"TableF2", k24}, {"TableF3", "a|b|c|d"}}},
    {'F',
     {"6", "7"},
     Cat({D1("2 3 4"), D1("a b c d")}),
     {{"TableF", "|2|3|4"}, {"TableF3", "a|b|c|d"}}},
    {'F', {"9", "J"}, D1("2 3 4"), {{"TableF", "|2|3|4"}, {"TableF3", kEmpty4}}},
    {'F', {"8"}, Cat({D1("2 3 4"), D1("b c d")}), {{"TableF", "|2|3|4"}, {"TableF3", "|b|c|d"}}},
    {'F',
     {"H", "I"},
     Cat({D1("2 3 4"), kWindQuarters, D1("a b c d")}),
     {{"TableF", "|2|3|4"}, {"TableF2", k24}, {"TableF3", "a|b|c|d"}}},
    {'F',
     {"A", "B"},
     Cat({kWindQuarters, D1("a b c d")}),
     {{"TableF", k24}, {"TableF3", "a|b|c|d"}}},
    {'F', {"C"}, Cat({kWindQuarters, D1("b c d")}), {{"TableF", k24}, {"TableF3", "|b|c|d"}}},
    {'F',
     {"K", "L", "N"},
     Cat({kWindQuarters, kWindQuarters, D1("a b c d")}),
     {{"TableF", k24}, {"TableF2", k24}, {"TableF3", "a|b|c|d"}}},
    {'F',
     {"M"},
     Cat({kWindQuarters, kWindQuarters}),
     {{"TableF", k24}, {"TableF2", k24}, {"TableF3", kEmpty4}}},
    {'F', {"D"}, kWindQuarters, {{"TableF", k24}, {"TableF2", kEmpty24}}},
    {'F', {"5="}, {}, {{"TableF", kEmpty24}}, Automatic75()},
    {'D',
     {"0", "2"},
     Cat({D1("1 2 3 4 5 6"), D1("1 2 3 4"), D1("1 2 3 4"), D1("1 2 3 4"), D1("1 2 3 4"),
          D1("1 2 3 4")}),
     {{"TableD", "1|2|3|4|5|6"}, {"TableD2", "1|2|3|4"}, {"TableD6", "1|2|3|4"}}},
    {'D',
     {"1"},
     Cat({D1("2 3 4 5 6"), D1("2 3 4"), D1("2 3 4"), D1("2 3 4"), D1("2 3 4")}),
     {{"TableD", "|2|3|4|5|6"},
      {"TableD2", "2|2|3|4"},
      {"TableD3", "2|2|3|4"},
      {"TableD5", "|2|3|4"},
      {"TableD6", kEmpty4}}},
    {'D',
     {"7"},
     Cat({D1("1 2 3 4 5 6"), D1("2 3 4"), D1("2 3 4"), D1("2 3 4"), D1("2 3 4"), D1("2 3 4")}),
     {{"TableD", "1|2|3|4|5|6"}, {"TableD3", "2|2|3|4"}, {"TableD6", "|2|3|4"}}},
    {'D',
     {"8", "9"},
     Cat({D1("2 3 4 5 6"), D1("2 3 4"), D1("2 3 4"), D1("2 3 4"), D1("2 3 4"), D1("2 3 4")}),
     {{"TableD", "|2|3|4|5|6"}, {"TableD2", "2|2|3|4"}, {"TableD6", "|2|3|4"}}},
    {'D',
     {"B"},
     Cat({H1(16), H1(), H1(), H1(), H1(), H1()}),
     {{"TableD", Seq(1, 28, '|')}, {"TableD2", k24}, {"TableD6", k24}}},
    {'D', {"0="}, {}, {{"TableD", "|||||"}}, Manual4(), "="},
    {'K',
     {"0"},
     {"0105 ; 0123", ", 0111 .", "="},
     {{"TableK", "|0105"},
      {"TableK2", "|"},
      {"TableK3", "|0123"},
      {"TableK", "|", 2},
      {"TableK2", "|0111", 2},
      {"TableK3", "|", 2}}},
    {'K',
     {"1"},
     D1("1 2 3 4"),
     {{"TableD6", "1|2|3|4"}, {"TableK", "|2"}, {"TableK2", "|3"}, {"TableK3", "|4"}}},
    {'K', {"B"}, Cat({H1(), H1(), H1()}), {{"TableK", "|" + k24}, {"TableK3", "|" + k24}}},
    {'K', {"7="}, {}, {{"TableK", std::string(24, '|')}}, Automatic75(), "="},
    {'A', {"0", "6", "8"}, D1("1 2 3 4"), {{"TableA", "1|2|3|4"}}},
    {'A', {"1", "7"}, {"02 1 2 3 4="}, {{"TableA", "1|2|3|4", 2}}},
    {'S', {"0"}, D1("085"), {{"TableS", std::string(26, '|') + "085"}}},
    {'S', {"2"}, D1(Seq(1, 19)), {{"TableS", Seq(1, 19, '|') + std::string(8, '|')}}},
    {'S', {"A"}, D1(Seq(1, 25)), {{"TableS", k24 + "|||25"}}},
    {'S',
     {"B"},
     D1("35 33 //// 0 60 12 3.5"),
     {{"TableS", "6|6|////|0|10|2|1" + std::string(20, '|')}},
     Manual4(),
     "A"},
    {'B',
     {"A"},
     Cat({H1(16), D1("00")}),
     {{"TableB", Seq(1, 28, '|')}, {"TableB2", "00"}},
     Automatic75()},
};

TEST(SectionModes, EveryModePlacesItsValues) {
  for (const ModeCase& c : kCases)
    for (const std::string& mode : c.modes) {
      std::string name = std::string(1, c.letter) + mode;
      MonthData data = test::ReadBuilt(AFileBuilder(c.header).Section(c.letter, mode, c.body));
      ASSERT_TRUE(data.Header.ReadOk) << name << ": " << data.Header.ReadError;
      for (const Expect& e : c.rows)
        EXPECT_EQ(RowOf(data, e), e.row) << name << " " << e.table << " day " << e.day;
      int entry = static_cast<int>(std::string_view(test::kSectionLetters).find(c.letter)) + 1;
      EXPECT_EQ(data.SectionModes.At(entry), c.modeEntry ? c.modeEntry : mode) << name;
    }
}

}  // namespace
}  // namespace quillon
