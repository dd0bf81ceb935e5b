// The subcommands of quillon-cli. Each returns the process exit status.
#pragma once

#include <string>
#include <vector>

namespace quillon::cli {

enum ExitStatus : int {
  kExitDone = 0,        // every file read (and converted, and every workbook saved)
  kExitFileFailed = 1,  // a file could not be read or converted; the others were
  kExitUsage = 2,       // a usage error, a workbook not saved, or an unforeseen fault
};

// info [--json] FILE...: what is read from each file, or why it is not read.
int RunInfo(const std::vector<std::string>& files, bool json);

// dump [--raw] FILE TABLE...: the cells of tables, one line per day.
int RunDump(const std::string& file, const std::vector<std::string>& tables, bool raw);

struct ConvertOptions {
  std::string folder;
  std::string files;           // NAME,...
  bool filesGiven = false;     // --files was given; otherwise every accepted file
  std::string hourlyName;      // timed-record workbook
  std::string statsName;       // statistics workbook
  std::string hourlyElements;  // all | NAME,...
  std::string statsElements;
  std::string outFolder;       // empty: the source folder
  std::string format = "xls";  // xls | xlsx
  bool numbers = false;        // plain numbers as cells that compute
  int threads = 0;             // 0: one per processor core
};

// convert FOLDER: the conversion run over the folder's A files.
int RunConvert(const ConvertOptions& options);

// list FOLDER: the accepted A files with station and month.
int RunList(const std::string& folder);

// elements [--json]: the 28 elements in list order; with --json each with
// its store table, timed-record column and statistics titles.
int RunElements(bool json);

}  // namespace quillon::cli
