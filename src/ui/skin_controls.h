// The skinned window's light controls: labels and pictures that are not
// windows of their own but are painted by the window they lie on, and the
// real list box behind the list interface.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/win32/gdi_handles.h"

namespace vantrel {

// A caption painted by its owner window, transparent over the skin.
class SkinLabel final : public Label {
 public:
  SkinLabel() = default;
  SkinLabel(HWND owner, RECT bounds, HFONT font, UINT format = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX)
      : owner_(owner), bounds_(bounds), font_(font), format_(format) {}

  std::string Caption() const override { return caption_; }
  void SetCaption(std::string_view text) override;
  unsigned ForeColor() const override { return colour_; }
  void SetForeColor(unsigned colour) override;

  void SetVisible(bool visible);
  bool Visible() const { return visible_; }
  const RECT& Bounds() const { return bounds_; }
  bool Contains(POINT p) const { return visible_ && PtInRect(&bounds_, p); }
  void Paint(HDC dc) const;

 private:
  void Invalidate() const;
  HWND owner_ = nullptr;
  RECT bounds_{};
  HFONT font_ = nullptr;
  UINT format_ = 0;
  std::string caption_;
  unsigned colour_ = 0;
  bool visible_ = true;
};

// A picture painted by its owner window, with an optional highlighted look.
// Magenta (255, 0, 255) in a picture is transparent.
class SkinPicture {
 public:
  SkinPicture() = default;
  SkinPicture(HWND owner, POINT at, HBITMAP normal, HBITMAP highlighted = nullptr);

  void SetVisible(bool visible);
  bool Visible() const { return visible_; }
  void SetHighlighted(bool highlighted);
  bool Highlighted() const { return highlight_; }
  const RECT& Bounds() const { return bounds_; }
  bool Contains(POINT p) const { return visible_ && PtInRect(&bounds_, p); }
  void Paint(HDC dc) const;

 private:
  void Invalidate() const;
  HWND owner_ = nullptr;
  RECT bounds_{};
  HBITMAP normal_ = nullptr;
  HBITMAP hoverBitmap_ = nullptr;
  bool visible_ = true;
  bool highlight_ = false;
};

// A bitmap of the program's resources as a DIB section; empty when it
// cannot be loaded. A big picture of at most 256 colours comes with a colour
// table (8 bits a pixel instead of 24), drawn the same.
win32::UniqueBitmap LoadSkinBitmap(HINSTANCE instance, int id);

// The skin's Tahoma fonts, made here for every form.
class SkinFonts {
 public:
  SkinFonts();
  HFONT Normal() const { return normal_.Get(); }  // captions, lists and boxes
  HFONT Bold() const { return bold_.Get(); }      // a heading inside a page
  HFONT Title() const { return title_.Get(); }    // a window's or a page's title

 private:
  win32::UniqueFont normal_, bold_, title_;
};

// The skin's hand pointer over what can be clicked.
class SkinPointer {
 public:
  void Load(HINSTANCE instance);
  // Where the pointer stands, in window's client pixels.
  static POINT At(HWND window);
  // The answer to WM_SETCURSOR: the hand over something clickable (true),
  // else nothing done and the class's arrow shows (false).
  bool ShowOver(bool clickable) const;

 private:
  HCURSOR pointer_ = nullptr;
};

// Draws bitmap at (x, y), magenta transparent.
void DrawSkinBitmap(HDC dc, HBITMAP bitmap, int x, int y);
SIZE BitmapSize(HBITMAP bitmap);

// A list box window as a list of text entries. The entries are kept here
// too, as the program writes them (the user selects entries but never edits
// them): reading an entry is then a plain lookup instead of two messages to
// the control, which the watch does for every window twice a second.
class Win32ListBox final : public ListControl {
 public:
  Win32ListBox() = default;
  explicit Win32ListBox(HWND listBox) { Attach(listBox); }
  void Attach(HWND listBox);
  HWND Handle() const { return box_; }

  int Count() const override;
  std::string Item(int index) const override;
  void Add(std::string_view text) override;
  bool Insert(int index, std::string_view text) override;
  bool Remove(int index) override;
  void Clear() override;
  void ReplaceAll(const std::vector<std::string>& entries) override;
  int Selected() const override;
  void Select(int index) override;

 private:
  HWND box_ = nullptr;
  std::vector<std::string> entries_;
};

// An edit box as a text entry.
class Win32TextBox final : public TextBox {
 public:
  void Attach(HWND edit) { edit_ = edit; }
  HWND Handle() const { return edit_; }
  std::string Text() const override;
  void SetText(std::string_view text) override;
  void Focus() override;

 private:
  HWND edit_ = nullptr;
};

// A check box button. The value lives here and the button shows it; the
// change handler runs on every change, from a click or from the program.
class Win32CheckBox final : public CheckBox {
 public:
  explicit Win32CheckBox(bool initial) : value_(initial) {}
  void Attach(HWND button);
  HWND Handle() const { return button_; }
  bool Value() const override { return value_; }
  void SetValue(bool value) override;
  void OnChange(ChangeHandler handler) override { handler_ = std::move(handler); }
  // The user clicked the button: its new state becomes the value.
  void Clicked();

 private:
  HWND button_ = nullptr;
  bool value_;
  ChangeHandler handler_;
};

// A report-style list view with one row per entry. The rows are kept here
// too, whole, as the program adds them: the control hands its cells back
// only into a buffer of a size fixed beforehand, and a title is as long as
// the window's, so the log is rewritten from these and never from the
// control.
class Win32ReportList final : public ReportList {
 public:
  void Attach(HWND listView) { view_ = listView; }
  HWND Handle() const { return view_; }
  int Count() const override;
  ReportRow Row(int index) const override;
  void AddRow(const ReportRow& row) override;
  bool RemoveRow(int index) override;
  void Clear() override;
  int Selected() const override;
  void Select(int index) override;

 private:
  HWND view_ = nullptr;
  std::vector<ReportRow> rows_;
};

}  // namespace vantrel
