#include "victims.h"

#include <algorithm>
#include <fstream>

#include "platform/win32/win32_desktop.h"
#include "support/pump_messages.h"

namespace vantrel::test {

std::string ExecutableFolder() {
  char path[MAX_PATH] = {};
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, n);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string MakeTempFolder(const std::string& stem) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  static int counter = 0;
  const std::string folder = std::string(temp) + stem + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(++counter) + "-" + std::to_string(GetTickCount());
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

VictimProcess::VictimProcess(const std::vector<std::string>& specs, int seconds) {
  log_ = MakeTempFolder("victim") + "\\victim.log";
  // Process numbers come round again under Wine: a log of an earlier run
  // must not pass for this one.
  DeleteFileA(log_.c_str());
  // Begun apart, not "\"" + ...: GCC 12's -Wrestrict false positive in
  // std::string's operator+ (its bug 105651).
  std::string command = "\"";
  command += ExecutableFolder() + "victim.exe\" --log \"" + log_ + "\" --seconds " + std::to_string(seconds);
  for (const auto& s : specs) {
    command += " \"" + s + "\"";
    // "title|width|height|flags": the flags are the fourth field.
    std::size_t flags = s.find('|');
    for (int field = 1; field < 3 && flags != std::string::npos; ++field) flags = s.find('|', flags + 1);
    const bool hidden = flags != std::string::npos && s.find("hidden", flags) != std::string::npos;
    if (!hidden) shownTitles_.push_back(s.substr(0, s.find('|')));
  }
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    process_ = pi.hProcess;
    CloseHandle(pi.hThread);
  }
}

VictimProcess::~VictimProcess() {
  if (process_) {
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
    CloseHandle(process_);
  }
}

std::vector<std::string> VictimProcess::Lines() const {
  std::vector<std::string> lines;
  std::ifstream in(log_);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

std::vector<std::string> VictimProcess::Closes() const {
  std::vector<std::string> closes;
  for (const auto& l : Lines())
    if (l.rfind("CLOSE ", 0) == 0) closes.push_back(l);
  return closes;
}

namespace {

// A close request logged for the window titled title: "CLOSE i title".
bool IsCloseOf(const std::string& line, const std::string& title) {
  return line.size() >= title.size() && line.compare(line.size() - title.size(), title.size(), title) == 0;
}

}  // namespace

bool VictimProcess::WaitReady(int milliseconds) {
  Win32Desktop desktop;
  return PumpUntil(
      [&] {
        const auto lines = Lines();
        if (std::find(lines.begin(), lines.end(), "READY") == lines.end()) return false;
        // A window closed already (a watch judges new windows the moment
        // they show) was shown too.
        const auto closes = Closes();
        return std::all_of(shownTitles_.begin(), shownTitles_.end(), [&](const std::string& title) {
          const WindowHandle window = desktop.FindByTitle(title);
          if (window != 0 && desktop.IsVisible(window)) return true;
          return std::any_of(closes.begin(), closes.end(),
                             [&](const std::string& line) { return IsCloseOf(line, title); });
        });
      },
      milliseconds);
}

bool VictimProcess::WaitCloses(std::size_t count, int milliseconds) {
  return PumpUntil([&] { return Closes().size() >= count; }, milliseconds);
}

bool VictimProcess::WaitCloseOf(const std::string& title, int milliseconds) {
  return PumpUntil(
      [&] {
        const auto closes = Closes();
        return std::any_of(closes.begin(), closes.end(), [&](const std::string& line) { return IsCloseOf(line, title); });
      },
      milliseconds);
}

void PumpFor(int milliseconds) {
  const DWORD start = GetTickCount();
  do {
    PumpPendingMessages();
    Sleep(5);
  } while (static_cast<int>(GetTickCount() - start) < milliseconds);
}

}  // namespace vantrel::test
