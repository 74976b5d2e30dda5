// The list box behind the list interface keeps the control and its own
// copy of the entries the same.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

}  // namespace
}  // namespace vantrel
