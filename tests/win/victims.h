// Starts the victim program (tests/e2e/victim.cpp) in its own process and
// reads what it reports.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace vantrel::test {

// The folder of the running test executable, with a trailing backslash.
std::string ExecutableFolder();
// A new empty folder under the system's temporary folder.
std::string MakeTempFolder(const std::string& stem);

class VictimProcess {
 public:
  // specs: "title|width|height|flags" each, as the victim takes them.
  VictimProcess(const std::vector<std::string>& specs, int seconds = 60);
  ~VictimProcess();
  VictimProcess(const VictimProcess&) = delete;
  VictimProcess& operator=(const VictimProcess&) = delete;

  bool Started() const { return process_ != nullptr; }
  // Waits until the victim reports every window made and every window it
  // shows stands in the desktop's window list (another program's windows
  // may reach the list a moment after it reports them).
  bool WaitReady(int milliseconds = 20000);
  // The "CLOSE i title" lines received so far.
  std::vector<std::string> Closes() const;
  // Waits until at least count close requests arrived.
  bool WaitCloses(std::size_t count, int milliseconds = 10000);
  // Waits until the close request of the window titled title arrived.
  bool WaitCloseOf(const std::string& title, int milliseconds = 10000);

 private:
  std::vector<std::string> Lines() const;
  std::string log_;
  std::vector<std::string> shownTitles_;
  HANDLE process_ = nullptr;
};

// Handles this thread's pending messages for about the given time.
void PumpFor(int milliseconds);

// Handles this thread's messages until done() holds; false when it did not
// within the given time.
template <class Done>
bool PumpUntil(Done done, int milliseconds = 10000) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (static_cast<int>(GetTickCount() - start) > milliseconds) return false;
    PumpFor(5);
  }
  return true;
}

}  // namespace vantrel::test
