// The parts of the workbook file: text encoding, sheet split, units, shared
// strings and the container.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/xls/compound_file.h"
#include "grid/xls/shared_strings.h"
#include "grid/xls/sheet_split.h"
#include "grid/xls/utf16.h"
#include "grid/xls/workbook_stream.h"
#include "grid/xls_inspect.h"

namespace quillon::xls {
namespace {

TEST(Utf8ToUtf16, KeepsEveryCharacterAndReplacesBrokenBytes) {
  const std::pair<std::string, std::u16string> cases[] = {
      {"05", u"05"},
      {"雨,轻雾", u"雨,轻雾"},
      {"\xF0\x9F\x98\x80", u"\U0001F600"},  // beyond U+FFFF: a surrogate pair
      {"a\xFF"
       "b",
       u"a\uFFFDb"},
      {"\xE9\x9B", u"\uFFFD"},      // cut short
      {"\xC0\xAF", u"\uFFFD"},      // overlong "/"
      {"\xED\xA0\x80", u"\uFFFD"},  // a lone surrogate
  };
  for (const auto& [utf8, utf16] : cases) EXPECT_EQ(Utf8ToUtf16(utf8), utf16) << utf8;
}

TEST(SplitIntoSheets, RepeatsTheHeaderOnEverySheetAndDropsNoRow) {
  struct Case {
    int gridRows;
    std::vector<int> sheetRows;  // rows of each sheet, header included
  };
  const Case cases[] = {
      {0, {0}},
      {1, {0}},
      {2, {1}},
      {65537, {65536}},
      {65538, {65536, 2}},
      {131072, {65536, 65536}},
      {131073, {65536, 65536, 2}},
  };
  for (const auto& c : cases) {
    auto sheets = SplitIntoSheets(c.gridRows);
    ASSERT_EQ(sheets.size(), c.sheetRows.size()) << c.gridRows;
    int next = 2;
    for (size_t k = 0; k < sheets.size(); ++k) {
      EXPECT_EQ(sheets[k].Count(), c.sheetRows[k]) << c.gridRows << " sheet " << k;
      if (sheets[k].Count() == 0) continue;
      EXPECT_EQ(sheets[k].GridRow(0), 1);
      for (int i = 1; i < sheets[k].Count(); ++i) ASSERT_EQ(sheets[k].GridRow(i), next++);
    }
    EXPECT_EQ(next, std::max(c.gridRows, 2)) << "every row once";
  }
}

TEST(WorkbookUnits, ConvertsPixelsAndCapsAtTheSheetLimits) {
  const std::tuple<int, uint16_t, uint16_t> cases[] = {
      {0, 0, 0},         {7, 256, 105}, {64, 2341, 960},     {90, 3291, 1350},
      {156, 5705, 2340}, {-3, 0, 0},    {5000, 65280, 8190},
  };
  for (const auto& [pixels, width, twips] : cases) {
    EXPECT_EQ(ColumnWidthUnits(pixels), width) << pixels;
    EXPECT_EQ(RowHeightTwips(pixels), twips) << pixels;
  }
}

// The SST and CONTINUE records of the texts, read back with their counts.
test::XlsBook StringsBack(const std::vector<std::string>& texts, int uses, std::string* bytes) {
  SharedStrings strings;
  for (const auto& t : texts) EXPECT_TRUE(strings.Add(t));
  for (int i = 0; i < uses; ++i) strings.CountUse();
  bytes->clear();
  strings.AppendRecords(*bytes, 0);
  bytes->append("\x0A\x00\x00\x00", 4);
  test::XlsBook book;
  test::ReadStrings(test::Records(*bytes, 0), 0, book);
  return book;
}

TEST(SharedStrings, ContinuesLongTablesAndRestatesTheFlag) {
  struct Case {
    const char* what;
    std::vector<std::string> texts;
    int continues, splits;
  };
  std::string cjk;
  for (int i = 0; i < 10000; ++i) cjk += "雾";
  const Case cases[] = {
      {"one-byte text over three records", {std::string(20000, 'a')}, 2, 2},
      {"two-byte text over three records", {cjk}, 2, 2},
      {"header with no room for a character", {std::string(8211, 'a'), "ab"}, 1, 0},
      {"no room for a two-byte character", {std::string(8209, 'a'), "雨"}, 1, 0},
      {"a two-byte text split after a one-byte one",
       {std::string(8000, 'a'), cjk.substr(0, 9000)},
       1,
       1},
      {"many short texts", std::vector<std::string>(3000, "1013"), 2, 1},
  };
  for (const auto& c : cases) {
    std::string bytes;
    auto book = StringsBack(c.texts, 7, &bytes);
    EXPECT_EQ(book.strings, c.texts) << c.what;
    EXPECT_EQ(book.stringUses, 7u) << c.what;
    EXPECT_EQ(book.continueRecords, c.continues) << c.what;
    EXPECT_EQ(book.stringsSplit, c.splits) << c.what;
  }
}

TEST(SharedStrings, IndexPointsAtTheFirstStringOfEveryBucket) {
  std::vector<std::string> texts;
  for (int i = 0; i < 3000; ++i)
    texts.push_back(std::string(static_cast<size_t>(i % 40), 'x') + "雨");
  std::string bytes;
  StringsBack(texts, 0, &bytes);
  auto records = test::Records(bytes, 0);
  const std::string& index = records[records.size() - 2].data;
  ASSERT_EQ(records[records.size() - 2].id, 0x00FF);
  uint32_t perBucket = test::U16At(index, 0);
  EXPECT_EQ(perBucket, 24u);  // 3000 strings in at most 128 buckets
  for (size_t k = 0; 2 + 8 * k < index.size(); ++k) {
    uint32_t at = test::U32At(index, 2 + 8 * k), inRecord = test::U16At(index, 6 + 8 * k);
    EXPECT_EQ(test::U16At(bytes, at), Utf8ToUtf16(texts[k * perBucket]).size()) << k;
    uint32_t recordId = test::U16At(bytes, at - inRecord);
    EXPECT_TRUE(recordId == 0x00FC || recordId == 0x003C) << k;
  }
}

TEST(CompoundFileWriter, ChainsStreamsOfEverySize) {
  // 16 MB needs more FAT sectors than the header lists: two DIFAT sectors.
  // A leading part given at the end still comes first in the stream.
  for (size_t leading : {size_t{0}, size_t{1024}})
    for (size_t size : {size_t{0}, size_t{100}, size_t{4096}, size_t{5000}, size_t{16} << 20}) {
      std::string stream(size, '\0');
      for (size_t i = 0; i < size; ++i) stream[i] = static_cast<char>(i * 7 + i / 512);
      StringSink file;
      CompoundFileWriter container(file, u"Workbook");
      container.Write(stream.substr(0, size / 2));
      container.Write(stream.substr(size / 2));
      if (size >= 4) {
        container.Overwrite(size - 4, "WXYZ");
        stream.replace(size - 4, 4, "WXYZ");
      }
      std::string first(leading, 'L');
      container.Finish(first);
      stream = first + stream;
      stream.resize(std::max<size_t>(stream.size(), 4096), '\0');
      EXPECT_EQ(test::CompoundStream(file.Bytes(), u"Workbook"), stream) << size << " " << leading;
      if (size > 8 << 20) {
        EXPECT_EQ(test::U32At(file.Bytes(), 72), 2u);
      }
    }
}

}  // namespace
}  // namespace quillon::xls
