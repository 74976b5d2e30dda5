// The Help page's scrolling text: a black frame (FFichierAide) holding a
// tall rich-text box (FichierAide) with the coloured help text, moved up a
// little at every tick of the main window's Timer2. A click on the text or
// the frame pauses or resumes the scrolling, a double click on the text
// opens the maker's web site.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "ui/form_window.h"
#include "ui/model/help_text.h"
#include "ui/skin_controls.h"

namespace vantrel {

class HelpPage final : public FormWindow {
 public:
  HelpPage() = default;
  ~HelpPage() override;
  HelpPage(const HelpPage&) = delete;
  HelpPage& operator=(const HelpPage&) = delete;

  // Creates the frame as a child of parent at area (pixels; it is meant to
  // be 329 x 207, the frame's 4935 x 3100 twips) and the text box in it.
  // False when the rich-text library or a window cannot be had.
  bool Create(HWND parent, RECT area, HINSTANCE instance);
  void Destroy();

  // Writes the help text anew with its colours and emphasis. The text box
  // keeps its place: the scrolling goes on from where it was.
  void Compose();
  // One tick of Timer2: the text moves up 10 twips, or comes back in from
  // the bottom once it has gone. Nothing happens while paused.
  void Tick();
  bool Running() const { return scroller_.Running(); }
  // Timer2 started or stopped by the page switching; no notification.
  void SetRunning(bool running) { scroller_.SetRunning(running); }

  // Told after a click switched the scrolling on or off, so that the owner
  // starts or stops Timer2.
  std::function<void(bool running)> onRunningChanged;
  // Opens the web site; ShellExecuteA with the main window unless replaced.
  std::function<void(HWND mainWindow)> openWebSite;

  HWND Frame() const { return Window(); }
  HWND Box() const { return box_; }
  int TopTwips() const { return scroller_.TopTwips(); }
  // The text line that stands at the frame's top edge (0 while the box's top
  // is inside the frame).
  int FirstShownLine() const;

  // The page's static title, "Aide + A Propos", drawn by the page.
  static std::string Title() { return HelpTitle(); }

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  static bool FilterBox(void* self, HWND box, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // Left-button messages of either window; true when handled.
  bool OnMouse(UINT message, HelpTarget target);
  void Run(HelpAction action);
  void PlaceBox();

  class Library {
   public:
    Library() = default;
    ~Library() { Reset(); }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
    bool Load(const char* name) {
      Reset();
      module_ = LoadLibraryA(name);
      return module_ != nullptr;
    }
    void Reset() {
      if (module_) FreeLibrary(module_);
      module_ = nullptr;
    }

   private:
    HMODULE module_ = nullptr;
  };

  Library richEdit_;  // declared first: freed only after the windows are gone
  OwnedWindow frame_;
  HWND box_ = nullptr;
  SkinPointer pointer_;
  HelpScroller scroller_;
  HelpMouse mouse_;
  int boxTopPixels_ = 0;
};

}  // namespace vantrel
