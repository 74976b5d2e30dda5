#include "ui/skin_controls.h"

#include "platform/win32/gdi_handles.h"

namespace vantrel {

void SkinLabel::Invalidate() const {
  if (owner_) InvalidateRect(owner_, &bounds_, TRUE);
}

void SkinLabel::SetCaption(std::string_view text) {
  if (caption_ == text) return;
  caption_ = text;
  Invalidate();
}

void SkinLabel::SetForeColor(unsigned colour) {
  if (colour_ == colour) return;
  colour_ = colour;
  Invalidate();
}

void SkinLabel::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Invalidate();
}

void SkinLabel::Paint(HDC dc) const {
  if (!visible_ || caption_.empty()) return;
  win32::SavedDC saved(dc);
  if (font_) SelectObject(dc, font_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour_);
  RECT r = bounds_;
  // A label shows a doubled ampersand as one; the captions use no mnemonic.
  std::string shown;
  for (std::size_t i = 0; i < caption_.size(); ++i) {
    shown.push_back(caption_[i]);
    if (caption_[i] == '&' && i + 1 < caption_.size() && caption_[i + 1] == '&') ++i;
  }
  DrawTextA(dc, shown.c_str(), static_cast<int>(shown.size()), &r, format_);
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return SIZE{0, 0};
  return SIZE{info.bmWidth, info.bmHeight};
}

void DrawSkinBitmap(HDC dc, HBITMAP bitmap, int x, int y) {
  if (!bitmap) return;
  const SIZE size = BitmapSize(bitmap);
  auto memory = win32::UniqueMemoryDC::CompatibleWith(dc);
  if (!memory.Valid()) return;
  win32::Selection selected(memory.Get(), bitmap);
  GdiTransparentBlt(dc, x, y, size.cx, size.cy, memory.Get(), 0, 0, size.cx, size.cy, RGB(255, 0, 255));
}

SkinPicture::SkinPicture(HWND owner, POINT at, HBITMAP normal, HBITMAP highlighted)
    : owner_(owner), normal_(normal), hoverBitmap_(highlighted) {
  const SIZE size = BitmapSize(normal);
  bounds_ = RECT{at.x, at.y, at.x + size.cx, at.y + size.cy};
}

void SkinPicture::Invalidate() const {
  if (owner_) InvalidateRect(owner_, &bounds_, TRUE);
}

void SkinPicture::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Invalidate();
}

void SkinPicture::SetHighlighted(bool highlighted) {
  if (highlight_ == highlighted) return;
  highlight_ = highlighted;
  Invalidate();
}

void SkinPicture::Paint(HDC dc) const {
  if (!visible_) return;
  DrawSkinBitmap(dc, highlight_ && hoverBitmap_ ? hoverBitmap_ : normal_, bounds_.left, bounds_.top);
}

int Win32ListBox::Count() const {
  const LRESULT n = SendMessageA(box_, LB_GETCOUNT, 0, 0);
  return n == LB_ERR ? 0 : static_cast<int>(n);
}

std::string Win32ListBox::Item(int index) const {
  if (index < 0 || index >= Count()) return {};
  const LRESULT length = SendMessageA(box_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR || length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied =
      SendMessageA(box_, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
  return text;
}

void Win32ListBox::Add(std::string_view text) {
  const std::string s(text);
  SendMessageA(box_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
}

bool Win32ListBox::Insert(int index, std::string_view text) {
  if (index < 0 || index > Count()) return false;
  const std::string s(text);
  // LB_INSERTSTRING with -1 would append; an index equal to the count appends too.
  return SendMessageA(box_, LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(s.c_str())) >= 0;
}

bool Win32ListBox::Remove(int index) {
  if (index < 0 || index >= Count()) return false;
  return SendMessageA(box_, LB_DELETESTRING, static_cast<WPARAM>(index), 0) != LB_ERR;
}

void Win32ListBox::Clear() { SendMessageA(box_, LB_RESETCONTENT, 0, 0); }

int Win32ListBox::Selected() const {
  const LRESULT s = SendMessageA(box_, LB_GETCURSEL, 0, 0);
  return s == LB_ERR ? -1 : static_cast<int>(s);
}

void Win32ListBox::Select(int index) {
  SendMessageA(box_, LB_SETCURSEL, index >= 0 && index < Count() ? static_cast<WPARAM>(index) : static_cast<WPARAM>(-1),
               0);
}

}  // namespace vantrel
