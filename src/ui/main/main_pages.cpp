// The controls of the four pages below the main window's upper area, and
// the events that reach the page operations.
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include "assets/resource_ids.h"
#include "common/text.h"
#include "ui/control_subclass.h"
#include "ui/main/frm_main.h"
#include "ui/sound/frm_son.h"

namespace vantrel {
namespace {

constexpr int kWindowsPage = 0, kOptionsPage = 1, kStatsPage = 2;
constexpr COLORREF kHeaderText = RGB(255, 255, 255);
constexpr COLORREF kPanelText = RGB(30, 42, 68);
constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
constexpr UINT kLeft = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;

RECT Rect(int x, int y, int w, int h) { return RECT{x, y, x + w, y + h}; }

bool ShiftAlone() {
  return GetKeyState(VK_SHIFT) < 0 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0;
}

}  // namespace

HWND FrmMain::MakeChild(int page, const char* cls, DWORD style, RECT r, const char* text, DWORD exStyle) {
  HWND parent = page < 0 ? Window() : Frame(page);
  HWND child = CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                               r.bottom - r.top, parent, nullptr, instance_, nullptr);
  SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(normalFont_.Get()), FALSE);
  AttachControlFilter(child, FilterControl, this);
  return child;
}

void FrmMain::PlaceButton(int page, SkinPicture& picture, SkinLabel& label, POINT at, bool wide, const char* caption) {
  HWND frame = Frame(page);
  picture = wide ? SkinPicture(frame, at, buttonWide_.Get(), buttonWideHover_.Get())
                 : SkinPicture(frame, at, buttonBitmap_.Get(), buttonHover_.Get());
  label = SkinLabel(frame, picture.Bounds(), normalFont_.Get(), kCentred);
  label.SetCaption(caption);
}

void FrmMain::CreatePages(HINSTANCE instance) {
  buttonWide_.Reset(LoadSkinBitmap(instance, IDB_BUTTON_WIDE));
  buttonWideHover_.Reset(LoadSkinBitmap(instance, IDB_BUTTON_WIDE_HOVER));
  soundBitmap_.Reset(LoadSkinBitmap(instance, IDB_SOUND));
  soundHover_.Reset(LoadSkinBitmap(instance, IDB_SOUND_HOVER));
  boldFont_.Reset(CreateFontA(-11, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0, "Tahoma"));
  CreateWindowsPage(instance);
  CreateOptionsPage(instance);
  CreateStatisticsPage(instance);
}

void FrmMain::CreateWindowsPage(HINSTANCE) {
  const auto listStyle = WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_BORDER | WS_TABSTOP;
  List1.Attach(MakeChild(kWindowsPage, "LISTBOX", listStyle, Rect(8, 28, 314, 168)));

  PlaceButton(kWindowsPage, KillAll, LabKillAll, POINT{8, 204}, true, "Tout Supprimer");
  PlaceButton(kWindowsPage, BtnDestroy, LabKill, POINT{150, 204}, false, "Supprimer");
  PlaceButton(kWindowsPage, BtnSwitchTo, LabSwitchTo, POINT{242, 204}, false, "Basculer Vers");
  pageButtons_[kWindowsPage] = {
      {&KillAll, &LabKillAll, [this] { windowsPage_->DestroyAll(); }},
      {&BtnDestroy, &LabKill, [this] { windowsPage_->DestroyOne(); }},
      {&BtnSwitchTo, &LabSwitchTo, [this] { windowsPage_->SwitchTo(); }},
  };
}

void FrmMain::CreateOptionsPage(HINSTANCE) {
  HWND frame = Frame(kOptionsPage);
  HFONT font = normalFont_.Get();
  auto& labels = pageLabels_[kOptionsPage];
  const auto label = [&](RECT r, const char* utf8, HFONT f, COLORREF colour) {
    SkinLabel l(frame, r, f, kLeft);
    l.SetCaption(AnsiFromUtf8(utf8));
    l.SetForeColor(colour);
    labels.push_back(l);
  };
  label(Rect(8, 3, 200, 16), "Options", titleFont_.Get(), kHeaderText);
  label(Rect(8, 25, 278, 16), "Les fenêtres inf. à cette taille seront supprimées", font, kPanelText);
  label(Rect(8, 96, 76, 16), "Taille fenêtre :", font, kPanelText);
  label(Rect(84, 96, 20, 16), "H =", font, kPanelText);
  label(Rect(152, 96, 20, 16), "L =", font, kPanelText);
  label(Rect(8, 146, 200, 16), "Entêtes des Navigateurs", boldFont_.Get(), kPanelText);

  iconSon_ = SkinPicture(frame, POINT{292, 24}, soundBitmap_.Get(), soundHover_.Get());
  const auto listStyle = WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_BORDER | WS_TABSTOP;
  List4.Attach(MakeChild(kOptionsPage, "LISTBOX", listStyle, Rect(8, 42, 278, 48)));
  AddH.Attach(MakeChild(kOptionsPage, "EDIT", ES_AUTOHSCROLL | WS_TABSTOP, Rect(104, 94, 44, 20), "", WS_EX_CLIENTEDGE));
  AddL.Attach(MakeChild(kOptionsPage, "EDIT", ES_AUTOHSCROLL | WS_TABSTOP, Rect(172, 94, 44, 20), "", WS_EX_CLIENTEDGE));
  PlaceButton(kOptionsPage, AddHL, LabBoutonHL, POINT{238, 92}, false, kModeAdd);

  const auto box = [&](Win32CheckBox& b, RECT r, const char* utf8) {
    const std::string caption = AnsiFromUtf8(utf8);
    b.Attach(MakeChild(kOptionsPage, "BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, r, caption.c_str()));
  };
  box(chkStart, Rect(8, 122, 150, 18), "Vantrel au démarrage");
  box(chkMin, Rect(162, 122, 160, 18), "Minimiser au Démarrage");
  box(ChkDefaut, Rect(250, 145, 70, 18), "Défaut");

  AddEntete.Attach(
      MakeChild(kOptionsPage, "EDIT", ES_AUTOHSCROLL | WS_TABSTOP, Rect(8, 166, 226, 20), "", WS_EX_CLIENTEDGE));
  PlaceButton(kOptionsPage, AjoutEntete, LabAjoutEntete, POINT{238, 164}, false, kModeAdd);
  List5.Attach(MakeChild(kOptionsPage, "LISTBOX", listStyle, Rect(8, 192, 314, 42)));
  FillBuiltInHeaders(List5);

  pageButtons_[kOptionsPage] = {
      {&AddHL, &LabBoutonHL, [this] { optionsPage_->AddOrRemoveSizeRule(); }},
      {&AjoutEntete, &LabAjoutEntete, [this] { optionsPage_->AddOrRemoveSuffix(); }},
      {&iconSon_, nullptr, [this] { OpenSoundDialog(); }},
  };
}

void FrmMain::CreateStatisticsPage(HINSTANCE) {
  HWND frame = Frame(kStatsPage);
  SkinLabel title(frame, Rect(8, 3, 200, 16), titleFont_.Get(), kLeft);
  title.SetCaption("Statisiques");
  title.SetForeColor(kHeaderText);
  pageLabels_[kStatsPage].push_back(title);

  HWND view = MakeChild(kStatsPage, WC_LISTVIEWA, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP,
                        Rect(8, 28, 314, 170), "", WS_EX_CLIENTEDGE);
  SendMessageA(view, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  const struct {
    const char* title;
    int twips;
  } columns[] = {{"Date ", 1200}, {"Heure ", 1000}, {"Nom de la fenêtre", kTitleColumnNarrowTwips}};
  // The title column has its design width until a load fits it to the rows;
  // a log that cannot be read fits nothing and leaves it so.
  for (int i = 0; i < 3; ++i) {
    std::string text = AnsiFromUtf8(columns[i].title);
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = text.data();
    column.cx = columns[i].twips / 15;
    column.iSubItem = i;
    SendMessageA(view, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
  }
  ListStat.Attach(view);

  PlaceButton(kStatsPage, KillAllStat, LabKillAllStat, POINT{8, 206}, true, "Tout Supprimer");
  PlaceButton(kStatsPage, KillStat, LabKillStat, POINT{242, 206}, false, "Supprimer");
  pageButtons_[kStatsPage] = {
      {&KillAllStat, &LabKillAllStat, [this] { statsPage_->Empty(); }},
      {&KillStat, &LabKillStat, [this] { statsPage_->DeleteSelected(); }},
  };
}

void FrmMain::SetTitleColumnWidth(int twips) {
  if (ListStat.Handle()) SendMessageA(ListStat.Handle(), LVM_SETCOLUMNWIDTH, 2, twips / 15);
}

void FrmMain::PaintPageControls(int page, HDC dc) {
  for (const SkinLabel& label : pageLabels_[page]) label.Paint(dc);
  for (const PageButton& button : pageButtons_[page]) {
    button.picture->Paint(dc);
    if (button.label) button.label->Paint(dc);
  }
}

void FrmMain::OnPageMouse(int page, UINT message, POINT p) {
  if (message == WM_MOUSEMOVE) {
    // The sound icon lights up under the pointer; anywhere else on the page
    // it shows its normal look.
    if (page == kOptionsPage) iconSon_.SetHighlighted(iconSon_.Contains(p));
    return;
  }
  static PageButton* pressed = nullptr;
  PageButton* hit = nullptr;
  for (PageButton& button : pageButtons_[page])
    if (button.picture->Contains(p)) hit = &button;
  if (message == WM_LBUTTONDOWN) {
    pressed = hit;
    return;
  }
  // A click is a press and a release on the same button.
  if (message == WM_LBUTTONUP && hit && hit == pressed && hit->click) {
    pressed = nullptr;
    hit->click();
  }
}

bool FrmMain::OnPageSetCursor(int page, HWND over) {
  bool clickable = over == List1.Handle() || over == List4.Handle() || over == List5.Handle() ||
                   over == AddEntete.Handle();
  if (over == Frame(page)) {
    POINT p{};
    GetCursorPos(&p);
    ScreenToClient(Frame(page), &p);
    for (const PageButton& button : pageButtons_[page]) clickable = clickable || button.picture->Contains(p);
  }
  if (!clickable || !pointer_) return false;
  SetCursor(pointer_);
  return true;
}

HBRUSH FrmMain::PageBackBrush(int page, HWND control) {
  if (!pageBrushes_[page].Valid()) {
    // The check boxes stand on the page's light panel: their background is
    // the panel's colour where they stand.
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, Frame(page), reinterpret_cast<POINT*>(&r), 2);
    COLORREF colour = RGB(232, 238, 246);
    if (HBITMAP picture = PagePicture(page)) {
      auto memory = win32::UniqueMemoryDC::CompatibleWith(nullptr);
      win32::Selection selected(memory.Get(), picture);
      const COLORREF sampled = GetPixel(memory.Get(), r.left + 1, r.top + 1);
      if (sampled != CLR_INVALID) colour = sampled;
    }
    pageBrushes_[page].Reset(CreateSolidBrush(colour));
  }
  return pageBrushes_[page].Get();
}

void FrmMain::OnChildCommand(HWND control, UINT code) {
  if (control == List2.Handle() && code == LBN_SELCHANGE) windowsPage_->SelectForRemoval();
  else if (control == List1.Handle() && code == LBN_SELCHANGE) windowsPage_->Pick();
  else if (control == List1.Handle() && code == LBN_DBLCLK) windowsPage_->SwitchTo();
  else if (control == List4.Handle() && code == LBN_SELCHANGE) optionsPage_->SelectSizeRule();
  else if (control == List5.Handle() && code == LBN_SELCHANGE) optionsPage_->SelectSuffix();
  else if (code == BN_CLICKED) {
    for (Win32CheckBox* box : {&chkStart, &chkMin, &ChkDefaut})
      if (control == box->Handle()) box->Clicked();
  }
}

bool FrmMain::OnControlMessage(HWND control, UINT message, WPARAM wParam) {
  if (message == WM_KEYDOWN && wParam == VK_RETURN && (control == AddWin.Handle() || control == List1.Handle())) {
    windowsPage_->AddOrRemove();
    return true;
  }
  if (message == WM_KEYDOWN && wParam == VK_DELETE && control == List2.Handle()) {
    if (ShiftAlone()) windowsPage_->Clear();
    else windowsPage_->AddOrRemove();
    return true;
  }
  if (message == WM_LBUTTONDOWN) {
    if (control == AddWin.Handle()) windowsPage_->EntryClicked();
    else if (control == AddH.Handle()) optionsPage_->HeightClicked();
    else if (control == AddEntete.Handle()) optionsPage_->SuffixClicked();
    return false;  // the box still takes the click
  }
  if (message == WM_LBUTTONDBLCLK && control == AddWin.Handle()) {
    windowsPage_->EntryDoubleClicked();
    return true;
  }
  if (message == WM_CHAR && wParam == '\r' && control == AddWin.Handle()) return true;  // no beep
  return false;
}

bool FrmMain::FilterControl(void* selfData, HWND control, UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  auto* self = static_cast<FrmMain*>(selfData);
  result = 0;
  return self && self->Window() && self->OnControlMessage(control, message, wParam);
}

void FrmMain::OpenSoundDialog() {
  if (soundDialog_ && soundDialog_->IsOpen()) return;
  // The dialog stands over this window while it is open: this window leaves
  // the topmost band until the dialog has closed.
  MakeNotTopmost();
  soundDialog_ = std::make_unique<FrmSon>(instance_, settings_, sound_, files_);
  if (!soundDialog_->Show(Window(), [this] { MakeTopmost(); })) MakeTopmost();
}

}  // namespace vantrel
