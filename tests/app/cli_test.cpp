// quillon-cli as a station user runs it: exit statuses, the reason of a
// failed read, and the layout of dumped tables.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>

#include <nlohmann/json.hpp>

#include "support/afile_builder.h"
#include "support/temp_folder.h"

namespace quillon {
namespace {

const std::string kCli = QUILLON_CLI_PATH;
const std::string kSample = std::string(QUILLON_SAMPLES_DIR) + "/A52866-200802.TXT";

std::string BrokenFile(const test::TempFolder& folder) {
  return test::AFileBuilder().SectionLines('F', {"D0"}).WriteTo(folder);
}

TEST(Cli, ExitStatusesAndReasons) {
  test::TempFolder folder;
  std::string broken = BrokenFile(folder);
  struct Case {
    std::string args;
    int status;
    std::string shows;
  };
  const Case cases[] = {
      {"info " + kSample, 0, "ReadOk: true"},
      {"info " + kSample + " " + broken, 1, "error: line 16: expected section \"F\", found \"D0\""},
      {"dump " + kSample + " TableA", 0, "1\t0\t98\t\t\n2\t"},
      {"dump --raw " + kSample + " TableA", 0, "1\t000\t098\t000\t000\n2\t"},
      {"dump " + broken + " TableA", 1, "文件格式错误,不能读取!\n  line 16: expected section"},
      {"dump " + kSample + " TableQ", 2, "unknown table TableQ"},
      {"dump " + kSample, 2, "TABLE is required"},
      {"info", 2, "FILE is required"},
      {"convert " + kSample, 2, ""},
  };
  for (const Case& c : cases) {
    test::CommandResult r = test::RunCommand(kCli + " " + c.args);
    EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.out;
    EXPECT_NE(r.out.find(c.shows), std::string::npos) << c.args << "\n" << r.out;
  }
}

TEST(Cli, InfoAsJsonCarriesTheReason) {
  test::TempFolder folder;
  test::CommandResult r =
      test::RunCommand(kCli + " info --json " + kSample + " " + BrokenFile(folder));
  ASSERT_EQ(r.status, 1);
  auto files = nlohmann::json::parse(r.out);
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[0]["ReadOk"], true);
  EXPECT_TRUE(files[0]["error"].is_null());
  EXPECT_EQ(files[0]["SectionModes"][15], "1");
  EXPECT_EQ(files[1]["error"], "line 16: expected section \"F\", found \"D0\"");
}

TEST(Cli, DumpPrintsEverySlotOfEachDayAndMarksSeveralTables) {
  test::CommandResult r =
      test::RunCommand(kCli + " dump --raw " + kSample + " TableK TableR4 TableW");
  ASSERT_EQ(r.status, 0) << r.out;
  // TableK of mode "1" keeps slots 0..1: day, empty slot 0, the 80 cm value.
  EXPECT_EQ(r.out.rfind("# TableK\n1\t\t0011\n2\t\t", 0), 0u) << r.out.substr(0, 80);
  EXPECT_NE(r.out.find("\n# TableR4\n\t\t\n# TableW\n1\t."), std::string::npos);
  EXPECT_TRUE(r.out.ends_with("\n29" + std::string(25, '\t') + "\n"));  // last day, slots 0..24
}

// Whatever sits under an A file's name, the command ends with a reason and
// the other files are converted; "timeout" turns a hang into a failure.
TEST(Cli, ReadsOnlyRegularFilesAndNeverHangs) {
  namespace fs = std::filesystem;
  test::TempFolder folder;
  const fs::path& f = folder.Path();
  fs::copy_file(kSample, f / "A52866-200802.TXT");
  ASSERT_EQ(mkfifo((f / "A11111-200801.TXT").c_str(), 0644), 0);
  fs::create_symlink("/dev/zero", f / "A22222-200801.TXT");
  folder.Write("A33333-200801.TXT", "");
  fs::resize_file(f / "A33333-200801.TXT", (64u << 20) + 1);
  fs::copy_file(kSample, f / "A\xff\xfe.TXT");
  auto at = [&](const char* name) { return (f / name).string(); };
  struct Case {
    std::string args;
    int status;
    std::string shows;
  };
  const Case cases[] = {
      {"info " + at("A11111-200801.TXT"), 1, "not a regular file"},
      {"dump " + at("A11111-200801.TXT") + " TableA", 1, "not a regular file"},
      {"info " + at("A22222-200801.TXT"), 1, "not a regular file"},
      {"info " + at("A33333-200801.TXT"), 1, "too large for an A file"},
      {"info --json " + at("A\xff\xfe.TXT"), 0, "A\xef\xbf\xbd\xef\xbf\xbd.TXT"},
      {"convert " + f.string() + " --hourly h", 1, "converted 1 file(s)"},
  };
  for (const Case& c : cases) {
    test::CommandResult r = test::RunCommand("timeout -s KILL 30 " + kCli + " " + c.args);
    EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.out;
    EXPECT_NE(r.out.find(c.shows), std::string::npos) << c.args << "\n" << r.out;
  }
}

}  // namespace
}  // namespace quillon
