// The subcommands of quillon-cli. Each returns the process exit status.
#pragma once

#include <string>
#include <vector>

namespace quillon::cli {

// info [--json] FILE...: the header fields of each file or why it is not read.
int RunInfo(const std::vector<std::string>& files, bool json);

}  // namespace quillon::cli

namespace quillon::cli {

struct ConvertOptions {
  std::string folder;
  std::string files;           // NAME,...; empty: every accepted file
  std::string hourlyName;      // timed-record workbook
  std::string statsName;       // statistics workbook
  std::string hourlyElements;  // all | NAME,...
  std::string statsElements;
  std::string outFolder;  // empty: the source folder
};

// convert FOLDER: the conversion run over the folder's A files.
int RunConvert(const ConvertOptions& options);

// list FOLDER: the accepted A files with station and month.
int RunList(const std::string& folder);

}  // namespace quillon::cli
