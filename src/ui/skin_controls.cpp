#include "ui/skin_controls.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "assets/resource_ids.h"
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

// Painting is asked for a part of the window at a time (the page animation
// uncovers one row after another): what lies outside it is not drawn at all.
void SkinLabel::Paint(HDC dc) const {
  if (!visible_ || caption_.empty() || !RectVisible(dc, &bounds_)) return;
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

namespace {

// A full-colour picture of at most 256 colours as the same picture with a
// colour table: a third of the memory, and every pixel drawn the same.
// Null when the picture has more colours or is not 24-bit.
HBITMAP WithColourTable(HBITMAP full) {
  DIBSECTION source{};
  if (GetObjectA(full, sizeof source, &source) != sizeof source || source.dsBm.bmBitsPixel != 24 ||
      source.dsBm.bmBits == nullptr)
    return nullptr;
  const int width = source.dsBm.bmWidth;
  const int height = source.dsBm.bmHeight;
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
  } info{};
  std::unordered_map<std::uint32_t, BYTE> indexOf;
  std::vector<BYTE> indices(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  const auto* rows = static_cast<const BYTE*>(source.dsBm.bmBits);
  for (int y = 0; y < height; ++y) {
    const BYTE* pixel = rows + static_cast<std::size_t>(y) * static_cast<std::size_t>(source.dsBm.bmWidthBytes);
    for (int x = 0; x < width; ++x, pixel += 3) {
      const std::uint32_t colour = pixel[0] | (pixel[1] << 8) | (pixel[2] << 16);
      auto found = indexOf.find(colour);
      if (found == indexOf.end()) {
        if (indexOf.size() == 256) return nullptr;
        const auto index = static_cast<BYTE>(indexOf.size());
        info.colours[index] = RGBQUAD{pixel[0], pixel[1], pixel[2], 0};
        found = indexOf.emplace(colour, index).first;
      }
      indices[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] =
          found->second;
    }
  }
  info.header = source.dsBmih;  // the same orientation
  info.header.biBitCount = 8;
  info.header.biCompression = BI_RGB;
  info.header.biSizeImage = 0;
  info.header.biClrUsed = static_cast<DWORD>(indexOf.size());
  info.header.biClrImportant = 0;
  void* bits = nullptr;
  HBITMAP small =
      CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!small) return nullptr;
  const std::size_t stride = (static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
  for (int y = 0; y < height; ++y)
    std::memcpy(static_cast<BYTE*>(bits) + static_cast<std::size_t>(y) * stride,
                indices.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width),
                static_cast<std::size_t>(width));
  return small;
}

// Below this size in full colour a picture is kept as it is.
constexpr LONG kSmallPictureBytes = 64 * 1024;

}  // namespace

win32::UniqueBitmap LoadSkinBitmap(HINSTANCE instance, int id) {
  win32::UniqueBitmap full(
      static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  // Only the big pictures (the backgrounds of the window, its pages and the
  // sound dialog) are worth the counting of their colours.
  BITMAP size{};
  if (!full.Valid() || !GetObjectA(full.Get(), sizeof size, &size) ||
      static_cast<LONGLONG>(size.bmWidthBytes) * size.bmHeight < kSmallPictureBytes)
    return full;
  if (HBITMAP small = WithColourTable(full.Get())) return win32::UniqueBitmap(small);
  return full;
}

namespace {

win32::UniqueFont Tahoma(int height, int weight) {
  return win32::UniqueFont(CreateFontA(height, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0,
                                       "Tahoma"));
}

}  // namespace

SkinFonts::SkinFonts()
    : normal_(Tahoma(-11, FW_NORMAL)), bold_(Tahoma(-11, FW_BOLD)), title_(Tahoma(-15, FW_BOLD)) {}

void SkinPointer::Load(HINSTANCE instance) {
  pointer_ = LoadCursorA(instance, MAKEINTRESOURCEA(IDC_POINTER));
  if (!pointer_) pointer_ = LoadCursor(nullptr, IDC_HAND);
}

POINT SkinPointer::At(HWND window) {
  POINT p{};
  GetCursorPos(&p);
  ScreenToClient(window, &p);
  return p;
}

bool SkinPointer::ShowOver(bool clickable) const {
  if (!clickable || !pointer_) return false;
  SetCursor(pointer_);
  return true;
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
  if (!visible_ || !RectVisible(dc, &bounds_)) return;
  DrawSkinBitmap(dc, highlight_ && hoverBitmap_ ? hoverBitmap_ : normal_, bounds_.left, bounds_.top);
}

void Win32ListBox::Attach(HWND listBox) {
  box_ = listBox;
  entries_.clear();
  const LRESULT count = SendMessageA(box_, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; count != LB_ERR && i < count; ++i) {
    const LRESULT length = SendMessageA(box_, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    std::string text(length > 0 ? static_cast<std::size_t>(length) + 1 : 1, '\0');
    const LRESULT copied =
        SendMessageA(box_, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    entries_.push_back(std::move(text));
  }
}

int Win32ListBox::Count() const { return static_cast<int>(entries_.size()); }

std::string Win32ListBox::Item(int index) const {
  if (index < 0 || index >= Count()) return {};
  return entries_[static_cast<std::size_t>(index)];
}

void Win32ListBox::Add(std::string_view text) {
  const std::string s(text);
  // The control's entries stay those kept here: an entry it refuses (no
  // memory) is not kept either.
  if (box_ && SendMessageA(box_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str())) < 0) return;
  entries_.push_back(s);
}

bool Win32ListBox::Insert(int index, std::string_view text) {
  if (index < 0 || index > Count()) return false;
  const std::string s(text);
  // LB_INSERTSTRING with -1 would append; an index equal to the count appends too.
  if (box_ && SendMessageA(box_, LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(s.c_str())) < 0)
    return false;
  entries_.insert(entries_.begin() + index, s);
  return true;
}

bool Win32ListBox::Remove(int index) {
  if (index < 0 || index >= Count()) return false;
  if (box_) SendMessageA(box_, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
  entries_.erase(entries_.begin() + index);
  return true;
}

void Win32ListBox::Clear() {
  if (box_) SendMessageA(box_, LB_RESETCONTENT, 0, 0);
  entries_.clear();
}

// Every added entry would otherwise redraw the list and its scroll bar (a
// themed scroll bar is dozens of blits): the list is drawn once, at the end.
void Win32ListBox::ReplaceAll(const std::vector<std::string>& entries) {
  if (!box_) {
    entries_ = entries;
    return;
  }
  SendMessageA(box_, WM_SETREDRAW, FALSE, 0);
  Clear();
  SendMessageA(box_, LB_INITSTORAGE, entries.size(), 0);
  for (const std::string& entry : entries) Add(entry);
  SendMessageA(box_, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(box_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE);
}

int Win32ListBox::Selected() const {
  const LRESULT s = SendMessageA(box_, LB_GETCURSEL, 0, 0);
  return s == LB_ERR ? -1 : static_cast<int>(s);
}

void Win32ListBox::Select(int index) {
  SendMessageA(box_, LB_SETCURSEL, index >= 0 && index < Count() ? static_cast<WPARAM>(index) : static_cast<WPARAM>(-1),
               0);
}

std::string Win32TextBox::Text() const {
  const int length = GetWindowTextLengthA(edit_);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(edit_, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

void Win32TextBox::SetText(std::string_view text) {
  const std::string s(text);
  SetWindowTextA(edit_, s.c_str());
}

void Win32TextBox::Focus() {
  if (edit_) SetFocus(edit_);
}

void Win32CheckBox::Attach(HWND button) {
  button_ = button;
  SendMessageA(button_, BM_SETCHECK, value_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Win32CheckBox::SetValue(bool value) {
  if (value == value_) return;
  value_ = value;
  if (button_) SendMessageA(button_, BM_SETCHECK, value_ ? BST_CHECKED : BST_UNCHECKED, 0);
  if (handler_) handler_(value_);
}

void Win32CheckBox::Clicked() {
  SetValue(SendMessageA(button_, BM_GETCHECK, 0, 0) == BST_CHECKED);
}

int Win32ReportList::Count() const { return static_cast<int>(rows_.size()); }

ReportRow Win32ReportList::Row(int index) const {
  if (index < 0 || index >= Count()) return {};
  return rows_[static_cast<std::size_t>(index)];
}

void Win32ReportList::AddRow(const ReportRow& row) {
  std::string first = row.empty() ? std::string() : row[0];
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = Count();
  item.pszText = first.data();
  const LRESULT at = SendMessageA(view_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  // A row the control refuses (no memory) is not kept either.
  if (at < 0) return;
  rows_.insert(rows_.begin() + std::min<std::ptrdiff_t>(at, static_cast<std::ptrdiff_t>(rows_.size())), row);
  for (std::size_t column = 1; column < row.size() && column < 3; ++column) {
    std::string text = row[column];
    LVITEMA sub{};
    sub.iSubItem = static_cast<int>(column);
    sub.pszText = text.data();
    SendMessageA(view_, LVM_SETITEMTEXTA, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&sub));
  }
}

bool Win32ReportList::RemoveRow(int index) {
  if (index < 0 || index >= Count()) return false;
  if (SendMessageA(view_, LVM_DELETEITEM, static_cast<WPARAM>(index), 0) == FALSE) return false;
  rows_.erase(rows_.begin() + index);
  return true;
}

void Win32ReportList::Clear() {
  SendMessageA(view_, LVM_DELETEALLITEMS, 0, 0);
  rows_.clear();
}

int Win32ReportList::Selected() const {
  return static_cast<int>(SendMessageA(view_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void Win32ReportList::Select(int index) {
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = 0;
  SendMessageA(view_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
  if (index < 0 || index >= Count()) return;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(view_, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

}  // namespace vantrel
