// quillon-cli: the conversion and inspection of A files without a window.
#include <CLI/CLI.hpp>

#include "app/cli/commands.h"

int main(int argc, char** argv) {
  CLI::App app{"Quillon: surface station A files to Excel workbooks"};
  app.require_subcommand(1);

  std::vector<std::string> infoFiles;
  bool infoJson = false;
  CLI::App* info = app.add_subcommand("info", "Show what is read from A files, or why not");
  info->add_flag("--json", infoJson, "Print a JSON array");
  info->add_option("FILE", infoFiles, "A files")->required();

  std::string dumpFile;
  std::vector<std::string> dumpTables;
  bool dumpRaw = false;
  CLI::App* dump = app.add_subcommand("dump", "Print element tables, one line per day");
  dump->add_flag("--raw", dumpRaw, "Show the cells as read, before decoding");
  dump->add_option("FILE", dumpFile, "A file")->required();
  dump->add_option("TABLE", dumpTables, "Tables: TableP, TableP2, ..., TableR3, TableR4")
      ->required();

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? 0 : 2;
  }
  if (*info) return quillon::cli::RunInfo(infoFiles, infoJson);
  if (*dump) return quillon::cli::RunDump(dumpFile, dumpTables, dumpRaw);
  return 2;
}
