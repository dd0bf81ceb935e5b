// One conversion of a folder where good A files sit among files damaged in
// every way a disk, a transfer or an editor damages them: each bad file is
// named with its reason, each good one converted, and nothing hangs, crashes
// or is left half-written.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <set>

#include "support/temp_folder.h"

namespace quillon {
namespace {

namespace fs = std::filesystem;

const std::string kCli = QUILLON_CLI_PATH;
const fs::path kSamples = QUILLON_SAMPLES_DIR;
const char* kSmallest = "A52866-200802.TXT";

std::string Name(int number) {
  char name[32];
  std::snprintf(name, sizeof name, "A%05d-200802.TXT", number);
  return name;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
    text.replace(at, from.size(), to);
  return text;
}

// Inserts bytes at the start of the given 1-based line.
std::string AtLine(const std::string& text, int line, const std::string& bytes) {
  size_t at = 0;
  for (int l = 1; l < line; ++l) at = text.find('\n', at) + 1;
  return text.substr(0, at) + bytes + text.substr(at);
}

TEST(CliGarbledFolder, NamesEveryBadFileAndConvertsTheGoodOnes) {
  test::TempFolder folder;
  const fs::path& f = folder.Path();
  fs::permissions(f, fs::perms::all);  // the ordinary user writes the workbooks here
  for (const auto& entry : fs::directory_iterator(kSamples))
    if (entry.path().extension() == ".TXT")
      fs::copy_file(entry.path(), f / entry.path().filename());
  const std::string sample = test::ReadFile(kSamples / kSmallest);

  // The file cut after each of its lines, the last cut being the whole file.
  int cuts = 0;
  for (size_t end = sample.find('\n'); end != std::string::npos; end = sample.find('\n', end + 1))
    folder.Write(Name(10000 + ++cuts), sample.substr(0, end + 1));
  // A few bytes overwritten at random places, the same ones every run.
  std::mt19937 random(54511);
  for (int i = 0; i < 30; ++i) {
    std::string flipped = sample;
    for (int n = 0; n < 3; ++n) flipped[random() % flipped.size()] = static_cast<char>(random());
    folder.Write(Name(20000 + i), flipped);
  }
  // Each file made below, with the words its reason must hold.
  struct Bad {
    std::string name;
    std::string reason;
  };
  const Bad bads[] = {
      {Name(30001), "too large for an A file"},
      {Name(30002), "line 12: a NUL byte at column 3"},
      {Name(30003), "line 12:"},
      {Name(30004), "line 1:"},
      {Name(30005), "line 1:"},
      {Name(30006), "line 1: the file is empty"},
      {Name(30007), "Permission denied"},
      {Name(30008), "not a regular file"},
      {Name(30009), "Too many levels of symbolic links"},
      {Name(30010), "Too many levels of symbolic links"},
  };
  folder.Write(bads[0].name, "x");
  fs::resize_file(f / bads[0].name, 100u << 20);  // one 100 MB line, kept sparse
  folder.Write(bads[1].name, AtLine(sample, 12, std::string("12\0", 3)));
  folder.Write(bads[2].name, AtLine(sample, 12, "\x81\x20\xff"));
  folder.Write(bads[3].name, "\xef\xbb\xbf" + sample);
  folder.Write(bads[4].name, Replaced(sample, "\r\n", "\r"));
  folder.Write(bads[5].name, "");
  folder.Write(bads[6].name, sample);
  fs::permissions(f / bads[6].name, fs::perms::none);
  ASSERT_EQ(mkfifo((f / bads[7].name).c_str(), 0666), 0);
  fs::create_symlink(bads[9].name, f / bads[8].name);
  fs::create_symlink(bads[8].name, f / bads[9].name);
  fs::create_directory(f / Name(30011));  // a folder is not listed at all
  std::set<fs::path> before;
  for (const auto& entry : fs::directory_iterator(f)) before.insert(entry.path().filename());

  std::string user = geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
  test::CommandResult r = test::RunCommand("timeout -s KILL 120 " + user + kCli + " convert " +
                                           f.string() + " --hourly hourly --stats stats");
  ASSERT_EQ(r.status, 1) << r.out.substr(r.out.size() - std::min<size_t>(r.out.size(), 4000));
  EXPECT_EQ(r.out.find("Sanitizer"), std::string::npos);
  EXPECT_EQ(r.out.find("runtime error"), std::string::npos);

  auto reasonOf = [&](const std::string& name) {
    std::string lead = "not read: " + (f / name).string() + ": ";
    size_t at = r.out.find(lead);
    return at == std::string::npos
               ? std::string("(converted)")
               : r.out.substr(at + lead.size(), r.out.find('\n', at) - at - lead.size());
  };
  for (const Bad& b : bads)
    EXPECT_NE(reasonOf(b.name).find(b.reason), std::string::npos)
        << b.name << ": " << reasonOf(b.name);
  // Every cut but the whole file is short of something, and says at which line.
  int unread = static_cast<int>(std::size(bads));
  for (int cut = 1; cut < cuts; ++cut, ++unread)
    EXPECT_TRUE(reasonOf(Name(10000 + cut)).starts_with("line "))
        << cut << ": " << reasonOf(Name(10000 + cut));
  EXPECT_EQ(reasonOf(Name(10000 + cuts)), "(converted)");
  int flippedGood = 0;
  for (int i = 0; i < 30; ++i) {
    std::string reason = reasonOf(Name(20000 + i));
    flippedGood += reason == "(converted)";
    EXPECT_TRUE(reason == "(converted)" || reason.starts_with("line ")) << i << ": " << reason;
  }
  EXPECT_NE(r.out.find("converted " + std::to_string(4 + 1 + flippedGood) + " file(s)\n"),
            std::string::npos)
      << r.out.substr(r.out.find("converted "), 40);
  // The two workbooks, whole, and nothing else beside the A files.
  std::set<fs::path> after;
  for (const auto& entry : fs::directory_iterator(f)) after.insert(entry.path().filename());
  before.insert("hourly.xls");
  before.insert("stats.xls");
  EXPECT_EQ(after, before);
}

}  // namespace
}  // namespace quillon
