// The skin pictures as the program loads them, and the list box behind the
// list interface, which keeps the control and its own copy of the entries
// the same.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "menus/dib_canvas.h"
#include "platform/win32/gdi_handles.h"
#include "resource_ids.h"
#include "ui/skin_controls.h"

namespace vantrel {
namespace {

std::vector<std::string> ControlEntries(HWND box) {
  std::vector<std::string> out;
  const LRESULT count = SendMessageA(box, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    char text[256] = {};
    SendMessageA(box, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    out.push_back(text);
  }
  return out;
}

std::vector<std::string> ListEntries(const ListControl& list) {
  std::vector<std::string> out;
  for (int i = 0; i < list.Count(); ++i) out.push_back(list.Item(i));
  return out;
}

TEST(Win32ListBox, KeepsItsEntriesAndTheControlsTheSame) {
  HWND box = CreateWindowExA(0, "LISTBOX", "", WS_POPUP | LBS_NOTIFY, 0, 0, 100, 100, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(box, nullptr);
  SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("already there"));
  Win32ListBox list(box);
  EXPECT_EQ(list.Count(), 1);  // the control's own entries are taken over

  list.Add("b");
  EXPECT_TRUE(list.Insert(0, "a"));
  EXPECT_TRUE(list.Insert(3, "end"));
  EXPECT_FALSE(list.Insert(9, "beyond"));
  EXPECT_TRUE(list.Remove(1));
  EXPECT_FALSE(list.Remove(7));
  EXPECT_EQ(ListEntries(list), (std::vector<std::string>{"a", "b", "end"}));
  EXPECT_EQ(ControlEntries(box), ListEntries(list));
  EXPECT_EQ(list.Item(5), "");

  list.Select(1);
  EXPECT_EQ(SendMessageA(box, LB_GETCURSEL, 0, 0), 1);
  SendMessageA(box, LB_SETCURSEL, 2, 0);  // as a click does
  EXPECT_EQ(list.Selected(), 2);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(SendMessageA(box, LB_GETCOUNT, 0, 0), 0);
  DestroyWindow(box);
}

TEST(Win32ListBox, ReplacingAllEntriesLeavesTheBoxShownWithExactlyThem) {
  HWND box = CreateWindowExA(0, "LISTBOX", "", WS_POPUP | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY, 0, 0, 100, 60, nullptr,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(box, nullptr);
  Win32ListBox list(box);
  list.Add("old");
  list.Select(0);
  std::vector<std::string> many;
  for (int i = 0; i < 40; ++i) many.push_back("Window " + std::to_string(i));
  list.ReplaceAll(many);
  EXPECT_EQ(ListEntries(list), many);
  EXPECT_EQ(ControlEntries(box), many);
  EXPECT_EQ(list.Selected(), -1);
  list.ReplaceAll({});
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(SendMessageA(box, LB_GETCOUNT, 0, 0), 0);
  DestroyWindow(box);
}

// A label's caption as painted on a black canvas, every pixel.
std::vector<COLORREF> PaintedCaption(const SkinFonts& fonts, const char* caption) {
  wintest::DibCanvas canvas(220, 20, RGB(0, 0, 0));
  SkinLabel label(nullptr, RECT{0, 0, 220, 20}, fonts.Title());
  label.SetForeColor(RGB(255, 255, 255));
  label.SetCaption(caption);
  label.Paint(canvas.Dc());
  std::vector<COLORREF> pixels;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 220; ++x) pixels.push_back(canvas.At(x, y));
  return pixels;
}

// The help page's title passes through the Windows page's title when one
// page follows the other: a label shows its doubled ampersand as one.
TEST(SkinLabel, ShowsADoubledAmpersandAsOne) {
  const SkinFonts fonts;
  const std::vector<COLORREF> single = PaintedCaption(fonts, "Aide & A Propos");
  EXPECT_EQ(PaintedCaption(fonts, "Aide && A Propos"), single);
  EXPECT_NE(PaintedCaption(fonts, "Aide &&& A Propos"), single);  // two shown: the canvas sees the difference
}

// Every pixel of a picture as drawn into a full-colour canvas.
std::vector<COLORREF> DrawnPixels(HBITMAP bitmap) {
  const SIZE size = BitmapSize(bitmap);
  wintest::DibCanvas canvas(size.cx, size.cy, RGB(1, 2, 3));
  const win32::UniqueMemoryDC memory = win32::UniqueMemoryDC::CompatibleWith(canvas.Dc());
  {
    win32::Selection selected(memory.Get(), bitmap);
    BitBlt(canvas.Dc(), 0, 0, size.cx, size.cy, memory.Get(), 0, 0, SRCCOPY);
  }
  std::vector<COLORREF> pixels;
  for (int y = 0; y < size.cy; ++y)
    for (int x = 0; x < size.cx; ++x) pixels.push_back(canvas.At(x, y));
  return pixels;
}

int BitsPerPixel(HBITMAP bitmap) {
  BITMAP info{};
  GetObjectA(bitmap, sizeof info, &info);
  return info.bmBitsPixel;
}

win32::UniqueBitmap ResourcePicture(int id) {
  return win32::UniqueBitmap(static_cast<HBITMAP>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

TEST(LoadSkinBitmapTest, EveryPictureDrawsExactlyAsInTheResources) {
  for (int id = IDB_MAIN_BACK; id <= IDB_SOUND_BACK; ++id) {
    SCOPED_TRACE("picture " + std::to_string(id));
    const win32::UniqueBitmap loaded(LoadSkinBitmap(GetModuleHandleA(nullptr), id));
    const win32::UniqueBitmap resource = ResourcePicture(id);
    ASSERT_TRUE(loaded.Valid() && resource.Valid());
    const std::vector<COLORREF> expected = DrawnPixels(resource.Get());
    const std::vector<COLORREF> drawn = DrawnPixels(loaded.Get());
    ASSERT_EQ(drawn.size(), expected.size());
    std::size_t differing = 0;
    for (std::size_t i = 0; i < drawn.size(); ++i) differing += drawn[i] != expected[i] ? 1 : 0;
    EXPECT_EQ(differing, 0u);
  }
}

// 8 bits a pixel for a big picture of at most 256 colours; a picture of
// more colours, or a small one, as it is in the resources.
TEST(LoadSkinBitmapTest, BigPicturesOfFewColoursTakeAColourTable) {
  const struct {
    int id;
    int bits;
  } cases[] = {
      {.id = IDB_PAGE_WINDOWS, .bits = 8},  // 232 colours, 330 x 237
      {.id = IDB_PAGE_HELP, .bits = 8},
      {.id = IDB_PAGE_STATS, .bits = 24},   // 280 colours
      {.id = IDB_MAIN_BACK, .bits = 24},    // 459 colours
      {.id = IDB_SIDEBAR, .bits = 24},      // small
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("picture " + std::to_string(c.id));
    const win32::UniqueBitmap loaded(LoadSkinBitmap(GetModuleHandleA(nullptr), c.id));
    EXPECT_EQ(BitsPerPixel(loaded.Get()), c.bits);
  }
}

}  // namespace
}  // namespace vantrel
