// The boxes that tell the user that what the program keeps in its folder
// is not being kept: the folder refuses files (told at start) or the kill
// log refuses its lines (told at the first refusal). Each is told once per
// run, and never from inside the work that found it out: the finder asks
// for a showing, which the main window runs from its own loop.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "ui/model/user_prompts.h"

namespace vantrel {

class StorageNotices {
 public:
  // requestShowing has ShowDue run later, from the window's loop (the main
  // window posts itself a message).
  explicit StorageNotices(std::function<void()> requestShowing) : requestShowing_(std::move(requestShowing)) {}

  // At start: tries whether the folder takes a file. When it does not, its
  // box is due; that box also tells of the kill log, which is then not
  // told again.
  void CheckProgramFolder(FileSystem& files, std::string_view programFolder);
  // A kill whose line the log refused: its box is due, unless told already.
  // Called from the middle of the watch's work; shows nothing itself.
  void KillLogRefused();
  // Shows the boxes that are due, each once.
  void ShowDue(UserPrompts& prompts);

  bool ProgramFolderWritable() const { return folderWritable_; }

 private:
  void RequestShowing();

  std::function<void()> requestShowing_;
  std::string folder_;
  bool folderWritable_ = true;
  bool folderDue_ = false;
  bool killLogDue_ = false;
  bool killLogTold_ = false;
  bool showingRequested_ = false;
};

// The texts of the boxes, in the system's code page.
std::string ProgramFolderNotWritableText(std::string_view programFolder);
std::string KillLogNotWritableText();

}  // namespace vantrel
