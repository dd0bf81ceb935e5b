// quillon-cli convert and list as a station user runs them over a folder.
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "grid/xls_inspect.h"
#include "support/temp_folder.h"

namespace quillon {
namespace {

namespace fs = std::filesystem;

const std::string kCli = QUILLON_CLI_PATH;

// A folder with copies of the sample A files.
void CopySamples(const test::TempFolder& folder) {
  for (const auto& entry : fs::directory_iterator(QUILLON_SAMPLES_DIR))
    if (entry.path().extension() == ".TXT")
      fs::copy_file(entry.path(), folder.Path() / entry.path().filename());
}

// Runs the command line as an ordinary user where the tests run as root,
// so that folder permissions apply.
std::string AsUser() {
  return geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
}

TEST(CliConvert, ConvertsEveryAcceptedFileOfTheFolder) {
  test::TempFolder folder;
  CopySamples(folder);
  std::string dir = folder.Path().string();
  test::CommandResult r =
      test::RunCommand(kCli + " convert " + dir + " --hourly hourly --stats stats");
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_TRUE(fs::exists(folder.Path() / "hourly.xls"));
  EXPECT_TRUE(fs::exists(folder.Path() / "stats.xls"));
  EXPECT_NE(r.out.find("完成全部文件的转换!"), std::string::npos);
  EXPECT_NE(r.out.find("converted 4 file(s)"), std::string::npos);
}

TEST(CliConvert, OneBadFileIsNamedAndTheOthersConverted) {
  test::TempFolder folder;
  CopySamples(folder);
  folder.Write("A99999-200001.TXT", "not an A file\r\n");
  test::CommandResult r =
      test::RunCommand(kCli + " convert " + folder.Path().string() + " --hourly hourly.xls");
  EXPECT_EQ(r.status, 1) << r.out;
  EXPECT_NE(r.out.find("converted 4 file(s)"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("not read: " + (folder.Path() / "A99999-200001.TXT").string() + ": line 1:"),
            std::string::npos)
      << r.out;
  EXPECT_TRUE(fs::exists(folder.Path() / "hourly.xls"));
}

TEST(CliConvert, UnwritableTargetFolderFailsWithReason) {
  test::TempFolder source, target;
  CopySamples(source);
  fs::permissions(target.Path(), fs::perms::owner_read | fs::perms::owner_exec |
                                     fs::perms::group_read | fs::perms::group_exec |
                                     fs::perms::others_read | fs::perms::others_exec);
  test::CommandResult r = test::RunCommand(AsUser() + kCli + " convert " + source.Path().string() +
                                           " --hourly hourly --out " + target.Path().string());
  EXPECT_EQ(r.status, 2) << r.out;
  EXPECT_NE(r.out.find("无法保存" + (target.Path() / "hourly.xls").string()), std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("permission"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("完成全部文件的转换!"), std::string::npos) << r.out;
  EXPECT_TRUE(fs::is_empty(target.Path()));
}

TEST(CliConvert, UsageErrors) {
  test::TempFolder folder;
  CopySamples(folder);
  std::string dir = folder.Path().string();
  const std::pair<std::string, std::string> cases[] = {
      {"convert " + dir, "请输入保存为EXCEL格式的文件名!"},
      {"convert " + dir + " --hourly h --stats-elements 气温", "请输入保存为EXCEL格式的文件名!"},
      {"convert " + dir + " --hourly-elements all", "请输入保存为EXCEL格式的文件名!"},
      {"convert " + dir + " --hourly b --stats b.xls", "逐时记录文件名和日月统计值文件名不能相同!"},
      {"convert " + dir + " --hourly h --hourly-elements 风力", "not an element: 风力"},
      {"convert " + dir + " --hourly h --files A00000-200001.TXT", "not an accepted A file"},
      {"convert /nonexistent/quillon --hourly h", "cannot list"},
      {"list /nonexistent/quillon", "cannot list"},
  };
  for (const auto& [args, shows] : cases) {
    test::CommandResult r = test::RunCommand(kCli + " " + args);
    EXPECT_EQ(r.status, 2) << args << "\n" << r.out;
    EXPECT_NE(r.out.find(shows), std::string::npos) << args << "\n" << r.out;
  }
  EXPECT_FALSE(fs::exists(folder.Path() / "h.xls"));
  EXPECT_FALSE(fs::exists(folder.Path() / "b.xls"));
}

TEST(CliConvert, StatisticsAloneNeedOnlyTheirName) {
  test::TempFolder folder;
  CopySamples(folder);
  test::CommandResult r =
      test::RunCommand(kCli + " convert " + folder.Path().string() + " --stats s");
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_TRUE(fs::exists(folder.Path() / "s.xls"));
  EXPECT_FALSE(fs::exists(folder.Path() / "时记录.xls"));
}

TEST(CliConvert, ListShowsNameStationAndMonth) {
  test::TempFolder folder;
  CopySamples(folder);
  folder.Write("a57036-200812.txt", "");
  test::CommandResult r = test::RunCommand(kCli + " list " + folder.Path().string());
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("A54511-200803.TXT\t54511\t2008年03月\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("A57036-200812.TXT\t57036\t2008年12月\n"), std::string::npos) << r.out;
}

TEST(CliConvert, OnlyTheNamedFilesAndElements) {
  test::TempFolder folder;
  CopySamples(folder);
  test::CommandResult r =
      test::RunCommand(kCli + " convert " + folder.Path().string() +
                       " --hourly h --hourly-elements 气温,相对湿度 --files A54511-200803.TXT");
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("converted 1 file(s)"), std::string::npos) << r.out;
  // The header row holds the two elements and nothing else; one month of an
  // hourly station is 31 x 24 rows under it.
  test::XlsSheet sheet = test::ReadXls(test::ReadFile(folder.Path() / "h.xls")).sheets.at(0);
  EXPECT_EQ(sheet.dimensionCols, 3u);
  EXPECT_EQ(sheet.cells[std::pair(0, 1)], "气温");
  EXPECT_EQ(sheet.cells[std::pair(0, 2)], "相对湿度");
  EXPECT_EQ(sheet.dimensionRows, 1u + 31 * 24);
}

// However the two names are written, and whatever the folder holds, a run
// never leaves a good workbook replaced by the wrong one or by an empty one.
TEST(CliConvert, NoWorkbookIsLost) {
  struct Case {
    const char* what;
    bool samples;
    std::function<void(const fs::path&)> setUp;
    std::string args;
    int status;
    std::string shows;
  };
  const std::string same = "逐时记录文件名和日月统计值文件名不能相同!";
  const Case cases[] = {
      {"dot", true, [](const fs::path&) {}, "--hourly b --stats ./b", 2, same},
      {"up", true, [](const fs::path& f) { fs::create_directory(f / "sub"); },
       "--hourly b --stats sub/../b", 2, same},
      {"link", true, [](const fs::path& f) { fs::create_symlink("b.xls", f / "l.xls"); },
       "--hourly b --stats l", 2, same},
      {"link to a book not yet there", true,
       [](const fs::path& f) { fs::create_symlink("c.xls", f / "l.xls"); }, "--hourly c --stats l",
       2, "it is the same file as"},
      {"link to an A file", true,
       [](const fs::path& f) { fs::create_symlink("A52866-200802.TXT", f / "l.xls"); },
       "--hourly l", 2, "it is the A file"},
      {"nothing readable", false,
       [](const fs::path& f) { std::ofstream(f / "A00000-200001.TXT") << "not an A file\r\n"; },
       "--hourly b --stats s", 1, "no workbook saved"},
      {"no A file", false, [](const fs::path&) {}, "--hourly b", 2, "no accepted A file"},
      {"empty file list", true, [](const fs::path&) {}, "--hourly b --files ,", 2,
       "--files names no file"},
  };
  for (const Case& c : cases) {
    test::TempFolder folder;
    if (c.samples) CopySamples(folder);
    folder.Write("b.xls", "the old workbook");
    c.setUp(folder.Path());
    test::CommandResult r =
        test::RunCommand(kCli + " convert " + folder.Path().string() + " " + c.args);
    EXPECT_EQ(r.status, c.status) << c.what << "\n" << r.out;
    EXPECT_NE(r.out.find(c.shows), std::string::npos) << c.what << "\n" << r.out;
    EXPECT_EQ(r.out.find("完成全部文件的转换!"), std::string::npos) << c.what;
    std::stringstream kept;
    kept << std::ifstream(folder.Path() / "b.xls").rdbuf();
    EXPECT_TRUE(kept.str() == "the old workbook") << c.what;
    EXPECT_FALSE(fs::exists(folder.Path() / "s.xls")) << c.what;
  }
}

}  // namespace
}  // namespace quillon
