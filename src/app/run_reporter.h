// How the conversion run talks to the user: the window shows a status bar,
// message boxes and an hourglass; the command line prints lines.
#pragma once

#include <string>

namespace quillon {

enum class MessageIcon { None, Error, Warning, Information };
enum class MessageButtons { Ok, OkCancel };

class RunReporter {
 public:
  virtual ~RunReporter() = default;
  // Replaces the text of the status bar's first panel.
  virtual void SetStatus(const std::string& text) = 0;
  // A message box; its answer is not used.
  virtual void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon,
                           MessageButtons buttons) = 0;
  // The hourglass pointer on or off.
  virtual void SetBusy(bool busy) = 0;
  // The file list changed (a tick was consumed) and may be repainted.
  virtual void RepaintFileList() = 0;
  // The conversion of the number-th of count ticked files begins.
  virtual void FileStarting(int /*number*/, int /*count*/) {}
};

}  // namespace quillon
