// quillon-cli: the conversion and inspection of A files without a window.
#include <CLI/CLI.hpp>
#include <exception>
#include <iostream>

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

  quillon::cli::ConvertOptions convert;
  CLI::App* convertCmd = app.add_subcommand("convert", "Convert the A files of a folder");
  convertCmd->add_option("FOLDER", convert.folder, "Folder of the A files")->required();
  CLI::Option* files =
      convertCmd->add_option("--files", convert.files, "NAME,... (default: every accepted file)");
  convertCmd->add_option("--hourly", convert.hourlyName, "Timed-record workbook name");
  convertCmd->add_option("--stats", convert.statsName, "Statistics workbook name");
  convertCmd->add_option("--hourly-elements", convert.hourlyElements, "all | NAME,...");
  convertCmd->add_option("--stats-elements", convert.statsElements, "all | NAME,...");
  convertCmd->add_option("--out", convert.outFolder, "Folder for the workbooks");
  convertCmd
      ->add_option("--threads", convert.threads, "Threads to use (default: one per processor core)")
      ->check(CLI::Range(1, 256));
  convertCmd
      ->add_option("--format", convert.format,
                   "Workbook format: xls (Excel 97-2003, the default) or xlsx")
      ->check(CLI::IsMember({"xls", "xlsx"}));
  convertCmd->add_flag("--numbers", convert.numbers,
                       "Write plain numbers as number cells that sum and chart (default: text)");

  std::string listFolder;
  CLI::App* list = app.add_subcommand("list", "List the accepted A files of a folder");
  list->add_option("FOLDER", listFolder, "Folder of the A files")->required();

  bool elementsJson = false;
  CLI::App* elements = app.add_subcommand("elements", "List the elements a workbook can hold");
  elements->add_flag("--json", elementsJson, "Print a JSON array");

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? quillon::cli::kExitDone : quillon::cli::kExitUsage;
  }
  convert.filesGiven = files->count() > 0;
  // A fault nobody foresaw still ends with its reason and a status, never
  // with an abort.
  try {
    if (*info) return quillon::cli::RunInfo(infoFiles, infoJson);
    if (*dump) return quillon::cli::RunDump(dumpFile, dumpTables, dumpRaw);
    if (*convertCmd) return quillon::cli::RunConvert(convert);
    if (*list) return quillon::cli::RunList(listFolder);
    if (*elements) return quillon::cli::RunElements(elementsJson);
  } catch (const std::exception& e) {
    std::cerr << "quillon-cli: " << e.what() << "\n";
  }
  return quillon::cli::kExitUsage;
}
