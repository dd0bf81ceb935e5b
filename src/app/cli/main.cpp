// quillon-cli: the conversion and inspection of A files without a window.
#include <CLI/CLI.hpp>

#include "app/cli/commands.h"

int main(int argc, char** argv) {
  CLI::App app{"Quillon: surface station A files to Excel workbooks"};
  app.require_subcommand(1);

  std::vector<std::string> infoFiles;
  bool infoJson = false;
  CLI::App* info = app.add_subcommand("info", "Show the header fields of A files");
  info->add_flag("--json", infoJson, "Print a JSON array");
  info->add_option("FILE", infoFiles, "A files")->required();

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? 0 : 2;
  }
  if (*info) return quillon::cli::RunInfo(infoFiles, infoJson);
  return 2;
}
