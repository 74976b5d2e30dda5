#include "ui/main/upper_area.h"

#include "common/text.h"
#include "store/settings.h"
#include "ui/control_subclass.h"

namespace vantrel {
namespace {

// Layout in pixels.
constexpr RECT kTitlePlace{8, 6, 200, 26};
constexpr POINT kHelpAt{282, 4};
constexpr POINT kMinimiseAt{306, 4};
constexpr RECT kTitleEntryPlace{12, 39, 232, 61};
constexpr POINT kAddOrRemoveAt{238, 38};
constexpr RECT kTitlesPlace{8, 74, 322, 220};
constexpr RECT kCountPlace{8, 226, 324, 242};
constexpr RECT kTabPlaces[3] = {{6, 245, 112, 269}, {112, 245, 218, 269}, {218, 245, 324, 269}};
constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;

bool ShiftAlone() {
  return GetKeyState(VK_SHIFT) < 0 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0;
}

}  // namespace

void UpperArea::Create(HWND main, const MainSkin& skin) {
  main_ = main;
  skin_ = &skin;
  HFONT font = skin.fonts.Normal();
  title_ = SkinLabel(main, kTitlePlace, skin.fonts.Title());
  title_.SetCaption(kAppName);
  toDestroyCount_ = SkinLabel(main, kCountPlace, font);
  toDestroyCount_.SetForeColor(RGB(255, 255, 255));
  const char* tabCaptions[3] = {"Fenêtres", "Options", "Statistiques"};
  for (int i = 0; i < 3; ++i) {
    tabs_[i].picture = SkinPicture(main, POINT{kTabPlaces[i].left, kTabPlaces[i].top}, skin.tab.Get());
    tabs_[i].caption = SkinLabel(main, kTabPlaces[i], font, kCentred);
    tabs_[i].caption.SetCaption(AnsiFromUtf8(tabCaptions[i]));
  }
  helpButton_ = SkinPicture(main, kHelpAt, skin.help.Get(), skin.helpHover.Get());
  minimiseButton_ = SkinPicture(main, kMinimiseAt, skin.minimise.Get(), skin.minimiseHover.Get());
  addOrRemove_.picture = SkinPicture(main, kAddOrRemoveAt, skin.button.Get(), skin.buttonHover.Get());
  if (tips_.Create(main, skin.instance)) {
    tips_.Add(helpButton_.Bounds(), "Voir l'aide");
    tips_.Add(minimiseButton_.Bounds(), "Minimiser");
  }
  addOrRemove_.caption = SkinLabel(main, addOrRemove_.picture.Bounds(), font, kCentred);
  addOrRemove_.caption.SetCaption(kModeAdd);

  const auto control = [&](const char* className, DWORD style, RECT r, DWORD exStyle) {
    HWND child = CreateWindowExA(exStyle, className, "", WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                                 r.right - r.left, r.bottom - r.top, main, nullptr, skin.instance, nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    AttachControlFilter(child, FilterControl, this);
    return child;
  };
  titleEntry_.Attach(control("EDIT", ES_AUTOHSCROLL | WS_TABSTOP, kTitleEntryPlace, WS_EX_CLIENTEDGE));
  titlesToDestroy_.Attach(
      control("LISTBOX", WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_BORDER, kTitlesPlace, 0));
}

void UpperArea::ShowTabPicture(Page tab, bool visible) {
  if (tab == Page::Windows || tab == Page::Options || tab == Page::Statistics)
    tabs_[TabIndex(tab)].picture.SetVisible(visible);
}

void UpperArea::Paint(HDC dc) const {
  for (const PictureButton& tab : tabs_) tab.picture.Paint(dc);
  helpButton_.Paint(dc);
  minimiseButton_.Paint(dc);
  addOrRemove_.picture.Paint(dc);
  for (const SkinLabel* label : {&title_, &toDestroyCount_, &tabs_[0].caption, &tabs_[1].caption, &tabs_[2].caption,
                                 &addOrRemove_.caption})
    label->Paint(dc);
}

UpperArea::Hit UpperArea::HitTest(POINT p) const {
  if (minimiseButton_.Contains(p)) return Hit::Minimise;
  if (helpButton_.Contains(p)) return Hit::Help;
  if (tabs_[0].caption.Contains(p)) return Hit::TabWindows;
  if (tabs_[1].caption.Contains(p)) return Hit::TabOptions;
  if (tabs_[2].caption.Contains(p)) return Hit::TabStats;
  if (addOrRemove_.picture.Contains(p)) return Hit::AddOrRemove;
  if (title_.Contains(p) || toDestroyCount_.Contains(p)) return Hit::Other;
  return Hit::Background;
}

void UpperArea::ShowPointerOn(Hit hit) {
  switch (hit) {
    case Hit::Minimise: minimiseButton_.SetHighlighted(true); return;
    case Hit::Help: helpButton_.SetHighlighted(true); return;
    case Hit::Background: break;
    default: return;
  }
  minimiseButton_.SetHighlighted(false);
  helpButton_.SetHighlighted(false);
}

bool UpperArea::ShowPointer(HWND over) const {
  bool clickable = over == titlesToDestroy_.Handle();
  if (over == main_) {
    const Hit hit = HitTest(SkinPointer::At(main_));
    clickable = hit != Hit::Background && hit != Hit::Other;
  }
  return skin_ && skin_->pointer.ShowOver(clickable);
}

void UpperArea::OnCommand(HWND control, UINT code) {
  if (operations_ && control == titlesToDestroy_.Handle() && code == LBN_SELCHANGE) operations_->SelectForRemoval();
}

bool UpperArea::OnControlMessage(HWND control, UINT message, WPARAM wParam) {
  const bool entry = control == titleEntry_.Handle();
  if (message == WM_KEYDOWN && wParam == VK_RETURN && entry) {
    operations_->AddOrRemove();
    return true;
  }
  if (message == WM_KEYDOWN && wParam == VK_DELETE && control == titlesToDestroy_.Handle()) {
    if (ShiftAlone()) operations_->Clear();
    else operations_->AddOrRemove();
    return true;
  }
  if (message == WM_LBUTTONDOWN && entry) operations_->EntryClicked();  // the box still takes the click
  if (message == WM_LBUTTONDBLCLK && entry) {
    operations_->EntryDoubleClicked();
    return true;
  }
  return message == WM_CHAR && wParam == '\r' && entry;  // no beep
}

bool UpperArea::FilterControl(void* selfData, HWND control, UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  auto* self = static_cast<UpperArea*>(selfData);
  result = 0;
  return self && self->operations_ && self->OnControlMessage(control, message, wParam);
}

}  // namespace vantrel
