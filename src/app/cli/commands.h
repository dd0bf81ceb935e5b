// The subcommands of quillon-cli. Each returns the process exit status.
#pragma once

#include <string>
#include <vector>

namespace quillon::cli {

// info [--json] FILE...: the header fields of each file or why it is not read.
int RunInfo(const std::vector<std::string>& files, bool json);

}  // namespace quillon::cli
