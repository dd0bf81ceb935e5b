#include "app/file_list.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/temp_folder.h"

namespace quillon {
namespace {

TEST(FileList, AcceptsTheStationMonthNames) {
  const std::pair<const char*, bool> cases[] = {
      {"A54511-200801.TXT", true},
      {"A54511-200801-1.TXT", true},
      {"A54511-200801-0.TXT", true},
      {"A54511-200801-9.TXT", true},
      {"a54511-200801.txt", true},
      {"AX4511-200801.TXT", true},
      {"A54511-200800.TXT", true},
      {"A54511-200813.TXT", false},
      {"A54511_200801.TXT", false},
      {"A54511-200801-2.TXT", false},
      {"A54511-200801.XLS", false},
      {"B54511-200801.TXT", false},
      {"A5451-200801.TXT", false},
      {"A54X11-200801.TXT", false},
      {"A54511-20080.TXT", false},
      {"A54511-2008ab.TXT", false},
      {"", false},
  };
  for (const auto& [name, accepted] : cases) EXPECT_EQ(IsAcceptedAFileName(name), accepted) << name;
}

TEST(FileList, ScanListsAcceptedFilesSortedAndUpperCase) {
  test::TempFolder folder;
  for (const char* name : {"A57036-200802.TXT", "a54511-200801.txt", "A54511-200813.TXT",
                           "notes.txt", "A54511-200712.TXT"})
    folder.Write(name, "x");
  auto scan = ScanFolder(SourceFolderOf(folder.Path().string()));
  ASSERT_TRUE(scan.Ok()) << scan.Failure().reason;
  const auto& entries = scan.Value();
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].name, "A54511-200712.TXT");
  EXPECT_EQ(entries[1].name, "A54511-200801.TXT");
  EXPECT_EQ(entries[1].diskName, "a54511-200801.txt");
  EXPECT_EQ(entries[1].station, "54511");
  EXPECT_EQ(entries[1].yearMonth, "2008年01月");
  EXPECT_EQ(entries[2].name, "A57036-200802.TXT");

  Grid list;
  SetupFileListGrid(list);
  FillFileList(list, entries);
  EXPECT_EQ(list.Rows(), 19);
  EXPECT_EQ(list.CellText(2, 1), "A54511-200801.TXT");
  EXPECT_EQ(list.CellText(2, 3), "2008年01月");
  EXPECT_FALSE(list.CellFlag(2, kFileTickColumn));
  EXPECT_TRUE(list.CellFlag(4, kFileTickColumn));
}

TEST(FileList, ScanOfAMissingFolderSaysWhy) {
  auto scan = ScanFolder("/nonexistent/quillon/");
  ASSERT_FALSE(scan.Ok());
  EXPECT_NE(scan.Failure().reason.find("/nonexistent/quillon/"), std::string::npos);
}

TEST(FileList, HeadingClickTicksAllThenNone) {
  Grid list;
  SetupFileListGrid(list);
  FillFileList(list, {{"a", "A54511-200801.TXT", "54511", "2008年01月"},
                      {"b", "A54511-200802.TXT", "54511", "2008年02月"}});
  list.SetCellText(1, kFileTickColumn, "1");
  ToggleFileTicks(list, 0, kFileTickColumn);  // partly ticked: tick the rest
  EXPECT_EQ(list.CellText(2, kFileTickColumn), "1");
  EXPECT_EQ(list.CellText(3, kFileTickColumn), "");  // no file in row 3
  ToggleFileTicks(list, 0, kFileTickColumn);
  EXPECT_EQ(list.CellText(1, kFileTickColumn), "");
  EXPECT_EQ(list.CellText(2, kFileTickColumn), "");
  ToggleFileTicks(list, 1, kFileTickColumn);  // not the heading
  EXPECT_EQ(list.CellText(1, kFileTickColumn), "");
}

TEST(FileList, ExtensionRule) {
  constexpr auto kXls = WorkbookFormat::kXls, kXlsx = WorkbookFormat::kXlsx;
  const std::tuple<const char*, WorkbookFormat, const char*> cases[] = {
      {"book", kXls, "book.xls"},
      {"book.xls", kXls, "book.xls"},
      {"book.XLS", kXls, "book.XLS.xls"},
      {"book.xlsx", kXls, "book.xlsx.xls"},
      {"", kXls, ".xls"},
      {"xls", kXls, "xls.xls"},
      {"book", kXlsx, "book.xlsx"},
      {"book.xlsx", kXlsx, "book.xlsx"},
      {"book.xls", kXlsx, "book.xls.xlsx"},
      {"book.XLSX", kXlsx, "book.XLSX.xlsx"},
      {"", kXlsx, ".xlsx"},
  };
  for (const auto& [name, format, expected] : cases)
    EXPECT_EQ(WithBookExtension(name, format), expected) << name;
}

TEST(FileList, SwitchingTheFormatSwapsOnlyTheOldExtension) {
  constexpr auto kXls = WorkbookFormat::kXls, kXlsx = WorkbookFormat::kXlsx;
  const std::tuple<const char*, WorkbookFormat, WorkbookFormat, const char*> cases[] = {
      {"时记录.xls", kXls, kXlsx, "时记录.xlsx"}, {"时记录.xlsx", kXlsx, kXls, "时记录.xls"},
      {"book.XLS", kXls, kXlsx, "book.XLS"},      {"book", kXls, kXlsx, "book"},
      {"book.xls", kXls, kXls, "book.xls"},       {"", kXlsx, kXls, ""},
  };
  for (const auto& [name, from, to, expected] : cases)
    EXPECT_EQ(SwitchedBookExtension(name, from, to), expected) << name;
}

}  // namespace
}  // namespace quillon
