// One page below the main window's upper area: a frame of the main window,
// painted with its skin picture, that owns the page's labels, picture
// buttons and controls and hands their events to the page's operations.
// The main window shows, hides and places the frames; what lies on a page
// is the page's own.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/win32/gdi_handles.h"
#include "ui/form_window.h"
#include "ui/main/main_skin.h"
#include "ui/skin_controls.h"

namespace vantrel {

// The frames' window class: the end-to-end tests find the pages by it, in
// the order they are made (Windows, Options, Statistics, Help).
inline constexpr const char* kPageClassName = "VantrelPage";

// A picture button of a page with its caption lying on it.
struct PictureButton {
  SkinPicture picture;
  SkinLabel caption;
};

class PageForm : public FormWindow {
 public:
  // pictureId: the page's background in the resources.
  explicit PageForm(int pictureId) : pictureId_(pictureId) {}

  // Registers the frames' class; once, before the first page is made.
  static void RegisterFrameClass(HINSTANCE instance);
  // Makes the page's frame, hidden, in main at place, then what lies on it.
  // False when the frame cannot be made.
  // The page draws with the main window's skin, which outlives it.
  bool Create(HWND main, RECT place, const MainSkin& skin);
  void SetVisible(bool visible);
  bool Visible() const;
  // Hidden, at its place in the main window.
  void HideAt(POINT at);

 protected:
  static constexpr COLORREF kHeaderText = RGB(255, 255, 255);
  static constexpr COLORREF kPanelText = RGB(30, 42, 68);
  static constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
  static constexpr UINT kLeft = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
  static constexpr RECT kTitlePlace{8, 3, 322, 19};

  // What lies on the page; the frame exists.
  virtual void CreateContents() = 0;
  // A notification (WM_COMMAND) of one of the page's controls.
  virtual void OnCommand(HWND /*control*/, UINT /*code*/) {}
  // A message of one of the page's controls before the control has it;
  // true when it was handled here and the control never sees it.
  virtual bool OnControlMessage(HWND /*control*/, UINT /*message*/, WPARAM /*wParam*/) { return false; }
  // Controls that show the hand pointer (the picture buttons always do).
  virtual bool ShowsHand(HWND /*control*/) const { return false; }
  virtual void OnMouseMove(POINT /*p*/) {}

  const MainSkin& Skin() const { return *skin_; }
  // A control of the page in the skin's font, its messages seen first by
  // OnControlMessage.
  HWND AddControl(const char* className, DWORD style, RECT place, const char* text = "", DWORD exStyle = 0);
  // A label painted by the page over its picture, for the page's life.
  void AddLabel(RECT place, const char* utf8Caption, HFONT font, COLORREF colour);
  // A label the page keeps itself (its caption changes), painted by the page.
  void AddOwnLabel(SkinLabel& label, RECT place, HFONT font, UINT format = kLeft);
  void AddButton(PictureButton& button, POINT at, bool wide, const char* caption, std::function<void()> click);
  void AddPicture(SkinPicture& picture, std::function<void()> click);

 private:
  struct Clickable {
    SkinPicture* picture;
    SkinLabel* caption;  // null for a bare picture
    std::function<void()> click;
  };

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // The picture is loaded when the page is first painted: most runs show
  // one page or none, and the pictures are the bulk of the skin.
  HBITMAP Picture();
  void Paint();
  void OnMouse(UINT message, POINT p);
  bool OnSetCursor(HWND over);
  HBRUSH BackBrush(HWND control);
  static bool FilterControl(void* self, HWND control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  int pictureId_;
  const MainSkin* skin_ = nullptr;
  win32::UniqueBitmap picture_;
  bool pictureTried_ = false;
  win32::UniqueBrush backBrush_;
  std::vector<SkinLabel> fixedLabels_;
  std::vector<const SkinLabel*> ownLabels_;
  std::vector<Clickable> clickables_;
  const Clickable* pressed_ = nullptr;  // what the left button went down on
  OwnedWindow frame_;                   // declared last: goes first
};

}  // namespace vantrel
