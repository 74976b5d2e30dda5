#include "ui/main/help_page.h"

#include <commctrl.h>
#include <richedit.h>
#include <shellapi.h>

#include "assets/resource_ids.h"
#include "store/settings.h"
#include "ui/control_subclass.h"
#include "ui/tray/frm_pop.h"

namespace vantrel {
namespace {

constexpr const char* kFrameClassName = "VantrelHelpFrame";

COLORREF Colour(unsigned value) { return static_cast<COLORREF>(value & 0x00FFFFFFu); }

// The character format a style sets; a mark it leaves unchanged is not in
// the mask.
CHARFORMAT2A CharFormatOf(const HelpStyle& style) {
  CHARFORMAT2A format{};
  format.cbSize = sizeof format;
  if (style.colour) {
    format.dwMask |= CFM_COLOR;
    format.crTextColor = Colour(*style.colour);
  }
  if (style.markA) {
    format.dwMask |= CFM_BOLD;
    if (*style.markA) format.dwEffects |= CFE_BOLD;
  }
  if (style.markB) {
    format.dwMask |= CFM_UNDERLINE;
    if (*style.markB) format.dwEffects |= CFE_UNDERLINE;
  }
  return format;
}

void SelectRange(HWND box, LONG start, LONG end) {
  CHARRANGE range{start, end};
  SendMessageA(box, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

void ApplyAlignment(HWND box, HelpAlign align) {
  if (align == HelpAlign::Unchanged) return;
  PARAFORMAT paragraph{};
  paragraph.cbSize = sizeof paragraph;
  paragraph.dwMask = PFM_ALIGNMENT;
  paragraph.wAlignment = align == HelpAlign::Centre ? PFA_CENTER : PFA_LEFT;
  SendMessageA(box, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&paragraph));
}

void ApplyCharFormat(HWND box, CHARFORMAT2A format) {
  if (format.dwMask == 0) return;
  SendMessageA(box, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

}  // namespace

HelpPage::~HelpPage() { Destroy(); }

bool HelpPage::Create(HWND parent, RECT area, HINSTANCE instance) {
  Destroy();
  if (!richEdit_.Load("riched20.dll")) return false;

  WNDCLASSA wc{};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = FormWindow::Procedure;
  wc.hInstance = instance;
  wc.lpszClassName = kFrameClassName;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  RegisterClassA(&wc);  // fails harmlessly when already registered

  pointer_.Load(instance);

  frame_ = OwnedWindow::Create(*this, FormWindowCreation{.className = kFrameClassName,
                                                     .style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                                     .place = area,
                                                     .parent = parent,
                                                     .instance = instance});
  if (!frame_) return false;
  boxTopPixels_ = HelpPixels(scroller_.TopTwips());
  box_ = CreateWindowExA(0, RICHEDIT_CLASSA, "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY,
                         HelpPixels(kHelpBoxLeftTwips), boxTopPixels_, HelpPixels(kHelpBoxWidthTwips),
                         HelpPixels(kHelpBoxHeightTwips), Window(), nullptr, instance, nullptr);
  if (!box_ || !AttachControlFilter(box_, FilterBox, this)) {
    Destroy();
    return false;
  }
  SendMessageA(box_, EM_SETBKGNDCOLOR, 0, RGB(0, 0, 0));
  return true;
}

void HelpPage::Destroy() {
  if (box_) {
    DetachControlFilter(box_);
    box_ = nullptr;
  }
  frame_.Reset();  // the text box goes with it
}

void HelpPage::Compose() {
  if (!box_) return;
  const ComposedHelp help = ComposeHelpText(HelpEntries(kAppName));
  const auto boxAt = [&help](std::size_t position) { return static_cast<LONG>(BoxPosition(help.text, position)); };

  SendMessageA(box_, WM_SETREDRAW, FALSE, 0);
  SendMessageA(box_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(help.text.c_str()));

  // The whole text first takes the plain style in the box's font, so that
  // what an entry's style leaves unchanged is the same at every opening.
  SelectRange(box_, 0, -1);
  CHARFORMAT2A base = CharFormatOf(DefaultHelpStyle());
  base.dwMask |= CFM_FACE | CFM_SIZE | CFM_CHARSET;
  lstrcpynA(base.szFaceName, kHelpFontFace, LF_FACESIZE);
  base.yHeight = static_cast<LONG>(kHelpFontPoints * 20);
  base.bCharSet = ANSI_CHARSET;
  ApplyCharFormat(box_, base);
  ApplyAlignment(box_, DefaultHelpStyle().align);

  const std::vector<HelpEntry> entries = HelpEntries(kAppName);
  for (std::size_t i = 0; i < help.runs.size() && i < entries.size(); ++i) {
    const HelpRun& run = help.runs[i];
    SelectRange(box_, boxAt(run.start), boxAt(run.start + run.length));
    ApplyCharFormat(box_, CharFormatOf(entries[i].style));
    ApplyAlignment(box_, entries[i].style.align);
  }

  // The caret at the end, nothing selected; the box is tall enough for the
  // whole text, so its first line stays at its top.
  const LONG end = boxAt(help.text.size());
  SelectRange(box_, end, end);
  SendMessageA(box_, WM_VSCROLL, SB_TOP, 0);
  SendMessageA(box_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(box_, nullptr, TRUE);
}

void HelpPage::Tick() {
  if (!scroller_.Tick()) return;
  PlaceBox();
}

void HelpPage::PlaceBox() {
  const int top = HelpPixels(scroller_.TopTwips());
  // Ten twips are two thirds of a pixel: most ticks move nothing on screen.
  if (!box_ || top == boxTopPixels_) return;
  boxTopPixels_ = top;
  SetWindowPos(box_, nullptr, HelpPixels(kHelpBoxLeftTwips), top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int HelpPage::FirstShownLine() const {
  if (!box_ || boxTopPixels_ >= 0) return 0;
  POINTL at{1, -boxTopPixels_};
  const LRESULT character = SendMessageA(box_, EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&at));
  return static_cast<int>(SendMessageA(box_, EM_EXLINEFROMCHAR, 0, character));
}

void HelpPage::Run(HelpAction action) {
  switch (action) {
    case HelpAction::ToggleScroll: {
      const bool running = scroller_.Toggle();
      if (onRunningChanged) onRunningChanged(running);
      break;
    }
    case HelpAction::OpenWebSite: {
      HWND main = Window() ? GetAncestor(Window(), GA_ROOT) : nullptr;
      if (openWebSite) openWebSite(main);
      else ShellExecuteA(main, "open", kWebSite, nullptr, nullptr, SW_SHOWNORMAL);  // result ignored
      break;
    }
    case HelpAction::None: break;
  }
}

bool HelpPage::OnMouse(UINT message, HelpTarget target) {
  switch (message) {
    case WM_LBUTTONDOWN: Run(mouse_.ButtonDown(target)); return true;
    case WM_LBUTTONUP: Run(mouse_.ButtonUp(target)); return true;
    case WM_LBUTTONDBLCLK: Run(mouse_.DoubleClick(target)); return true;
    case WM_SETCURSOR: return pointer_.ShowOver(true);
    default: return false;
  }
}

LRESULT HelpPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // The pointer over the frame itself, not over the text box: the box
  // answers for itself.
  const bool own = message != WM_SETCURSOR || reinterpret_cast<HWND>(wParam) == Window();
  if (own && OnMouse(message, HelpTarget::Frame)) return message == WM_SETCURSOR ? TRUE : 0;
  if (message == WM_NCDESTROY) box_ = nullptr;  // the parent went first: the text box is gone too
  return Default(message, wParam, lParam);
}

bool HelpPage::FilterBox(void* data, HWND, UINT message, WPARAM, LPARAM, LRESULT& result) {
  auto* self = static_cast<HelpPage*>(data);
  // The text is read, never edited or selected: the box's own mouse handling
  // (caret, selection, focus) is replaced by the page's clicks.
  if (!self || !self->OnMouse(message, HelpTarget::Text)) return false;
  result = message == WM_SETCURSOR ? TRUE : 0;
  return true;
}

}  // namespace vantrel
