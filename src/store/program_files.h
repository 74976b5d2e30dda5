// The files of the program folder. The folder is the executable's, without
// a trailing backslash; each file is the folder, a backslash and its name.
#pragma once

#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace vantrel {

inline constexpr std::string_view kIniFileName = "Vantrel.ini";
inline constexpr std::string_view kBrowserHeaderFileName = "Vantrel-Url.ini";
inline constexpr std::string_view kKillLogFileName = "logkill.txt";
inline constexpr std::string_view kTraceFileName = "debug.txt";
inline constexpr std::string_view kDefaultWaveName = "wave\\1.wav";
inline constexpr std::string_view kAutostartExeName = "Vantrel.exe";

inline std::string ProgramFilePath(std::string_view programFolder, std::string_view name) {
  std::string path(programFolder);
  path += '\\';
  path += name;
  return path;
}

// Whether the program can keep its files in the folder, tried as they are
// kept: a small file of a name no other file bears is created there,
// written and deleted again. Attributes are not asked: a folder can say it
// is writable and still refuse (a read-only medium, the user's rights).
bool ProgramFolderWritable(FileSystem& files, std::string_view programFolder);

}  // namespace vantrel
