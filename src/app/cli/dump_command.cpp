#include <iostream>

#include "afile/afile_reader.h"
#include "afile/month_data.h"
#include "app/cli/commands.h"

namespace quillon::cli {
namespace {

// Day number, then every slot from the table's first to its last, cells as
// stored.
void PrintTable(const ElementTable& table, std::ostream& out) {
  for (int day = 1; day <= table.Days(); ++day) {
    out << day;
    for (int slot = table.FirstSlot(); slot <= table.LastSlot(); ++slot)
      out << '\t' << table.At(day, slot);
    out << '\n';
  }
}

void PrintRainSummary(const TextList& summary, std::ostream& out) {
  for (int i = 1; i <= 3; ++i)
    out << (i > 1 ? "\t" : "") << (summary.Contains(i) ? summary.At(i) : "");
  out << '\n';
}

bool KnownName(const std::string& name) {
  return name == "TableR4" || TableByName(MonthData{}, name) != nullptr;
}

}  // namespace

int RunDump(const std::string& file, const std::vector<std::string>& tables, bool raw) {
  for (const std::string& name : tables)
    if (!KnownName(name)) {
      std::cerr << "unknown table " << name << " (TableP ... TableR3, TableR4)\n";
      return kExitUsage;
    }
  MonthData data;
  ResetMonthData(data);
  data.Header.FilePath = file;
  if (Status read = ReadAFile(data, /*decode=*/!raw); !read.Ok()) {
    std::cerr << file << "文件格式错误,不能读取!\n  " << read.Failure().reason << "\n";
    return kExitFileFailed;
  }
  for (const std::string& name : tables) {
    if (tables.size() > 1) std::cout << "# " << name << '\n';
    if (name == "TableR4")
      PrintRainSummary(data.TableR4, std::cout);
    else
      PrintTable(*TableByName(data, name), std::cout);
  }
  return kExitDone;
}

}  // namespace quillon::cli
