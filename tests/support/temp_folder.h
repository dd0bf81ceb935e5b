// A folder under the system's temporary folder, removed with its content at
// the end of the test.
#pragma once

#include <filesystem>
#include <string>

namespace quillon::test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // Writes bytes to a file in the folder and returns its full path.
  std::string Write(const std::string& name, const std::string& bytes) const;

 private:
  std::filesystem::path path_;
};

// The whole content of a file; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);

// Output of a command run through the shell, and its exit status.
struct CommandResult {
  int status = -1;
  std::string out;
};
CommandResult RunCommand(const std::string& command);

}  // namespace quillon::test
