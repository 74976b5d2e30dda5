#include "ui/sound/frm_son.h"

#include <commdlg.h>
#include <windowsx.h>

#include <vector>

#include "assets/resource_ids.h"
#include "common/text.h"
#include "ui/message_loop.h"
#include "ui/skin_controls.h"

namespace vantrel {
namespace {

// Layout in pixels, on the background picture.
constexpr RECT kTitre{14, 6, 116, 25};
constexpr POINT kCloseAt{256, 7};
constexpr int kCloseSize = 16;
constexpr RECT kSoundOnBox{18, 40, 98, 58};    // ChkSon
constexpr RECT kSoundFileBox{19, 67, 262, 84};  // AddWin
constexpr RECT kExploreur{96, 94, 176, 118};  // BtnSound(0) with Exploreur on it
constexpr RECT kSon{182, 94, 262, 118};       // BtnSound(1) with Son on it
constexpr int kFolderImage = 13;              // in the menu image strip
constexpr int kSoundImage = 10;
constexpr int kImageSize = 16;
constexpr int kSoundOnBoxId = 101;
constexpr int kSoundFileBoxId = 102;

constexpr COLORREF kPanel = RGB(0xE8, 0xEE, 0xF6);
constexpr COLORREF kInk = RGB(0x1E, 0x2A, 0x44);
constexpr COLORREF kKey = RGB(255, 0, 255);

int Pixels(double twips) {
  // A place always comes through KeepInside; this only guards the cast.
  if (!(twips > -1e9 && twips < 1e9)) return 0;
  return PixelsFromTwips(twips);
}

double Twips(int pixels) { return static_cast<double>(pixels) * kTwipsPerPixel; }

bool Inside(const RECT& r, POINT p) { return PtInRect(&r, p) != FALSE; }

}  // namespace

std::string Win32FileOpenDialog::Show(std::string_view folder, std::string_view fileName) {
  // Only the name goes into the box: a full path there would make the
  // dialog start in that path's folder instead of folder.
  const std::size_t slash = fileName.find_last_of("\\/");
  const std::string_view name = slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
  std::vector<char> buffer(32768, '\0');
  name.copy(buffer.data(), std::min(name.size(), buffer.size() - 1));
  const std::string initialFolder(folder);

  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner_;
  // No file-type filter: every file of the folder is offered.
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = static_cast<DWORD>(buffer.size());
  dialog.lpstrInitialDir = initialFolder.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR;
  // Cancelled or failed: the file name stays what it was.
  if (!GetOpenFileNameA(&dialog)) return std::string(fileName);
  return std::string(buffer.data());
}

FrmSon::FrmSon(HINSTANCE instance, Settings& settings, SoundDevice& sound, FileSystem& files,
               FileOpenDialog* fileDialog)
    : instance_(instance),
      settings_(settings),
      sound_(sound),
      files_(files),
      fileDialog_(fileDialog ? *fileDialog : systemDialog_) {}

FrmSon::~FrmSon() {
  afterClose_ = nullptr;  // the caller is going: nothing follows
  Finish(true);
}

bool FrmSon::Show(HWND owner, MessageLoop& loop, std::function<void()> afterClose) {
  if (Window() || dialog_) return false;  // showing, or shown before
  WNDCLASSA wc{};
  wc.lpfnWndProc = FormWindow::Procedure;
  wc.hInstance = instance_;
  wc.lpszClassName = kSoundDialogClassName;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconA(instance_, MAKEINTRESOURCEA(IDI_APP));
  RegisterClassA(&wc);  // fails harmlessly when already registered

  owner_ = owner;
  // Titled as the program, which the watch never takes for a pop-up.
  window_ = OwnedWindow::Create(*this, FormWindowCreation{.exStyle = WS_EX_CONTROLPARENT,
                                                      .className = kSoundDialogClassName,
                                                      .title = kAppName.data(),
                                                      .style = WS_POPUP | WS_CLIPCHILDREN,
                                                      .place = RECT{0, 0, kSoundDialogWidth, kSoundDialogHeight},
                                                      .parent = owner,
                                                      .instance = instance_});
  if (!window_ || !CreateControls()) {
    window_.Reset();
    return false;
  }
  systemDialog_.SetOwner(Window());

  SoundDialogView& view = *this;
  dialog_ = std::make_unique<SoundDialog>(view, settings_, sound_, files_, fileDialog_, soundOn_, soundFile_);
  AreaTwips desktop{Twips(GetSystemMetrics(SM_XVIRTUALSCREEN)), Twips(GetSystemMetrics(SM_YVIRTUALSCREEN)),
                    Twips(GetSystemMetrics(SM_CXVIRTUALSCREEN)), Twips(GetSystemMetrics(SM_CYVIRTUALSCREEN))};
  if (desktop.width <= 0 || desktop.height <= 0)
    desktop = AreaTwips{0, 0, Twips(GetSystemMetrics(SM_CXSCREEN)), Twips(GetSystemMetrics(SM_CYSCREEN))};
  dialog_->Load(Twips(GetSystemMetrics(SM_CXSCREEN)), Twips(GetSystemMetrics(SM_CYSCREEN)), desktop);

  if (owner_ && IsWindowEnabled(owner_)) {
    EnableWindow(owner_, FALSE);
    ownerDisabled_ = true;
  }
  open_ = true;
  afterClose_ = std::move(afterClose);
  // The program's loop hands the dialog its keys: Tab, Enter, Escape. The
  // owner's timers go on being served by that loop, so kills and their
  // sounds go on while the dialog is open.
  loop_ = &loop;
  loop_->SetDialog(Window());
  ShowWindow(Window(), SW_SHOW);
  SetForegroundWindow(Window());
  SetFocus(GetDlgItem(Window(), kSoundFileBoxId));
  return true;
}

void FrmSon::Finish(bool destroyWindow) {
  if (!open_) {
    if (destroyWindow) window_.Reset();
    return;
  }
  open_ = false;
  EndModal();
  if (loop_ && loop_->Dialog() == Window()) loop_->SetDialog(nullptr);
  loop_ = nullptr;
  if (destroyWindow) window_.Reset();
  std::function<void()> after = std::move(afterClose_);
  afterClose_ = nullptr;
  if (after) after();
}

void FrmSon::EndModal() {
  // The owner comes back before the dialog goes, so it takes the activation.
  if (ownerDisabled_ && owner_ && IsWindow(owner_)) EnableWindow(owner_, TRUE);
  ownerDisabled_ = false;
}

bool FrmSon::CreateControls() {
  back_ = LoadSkinBitmap(instance_, IDB_SOUND_BACK);
  button_ = LoadSkinBitmap(instance_, IDB_BUTTON);
  buttonPressed_ = LoadSkinBitmap(instance_, IDB_BUTTON_HOVER);
  close_ = LoadSkinBitmap(instance_, IDB_CLOSE);
  closeLit_ = LoadSkinBitmap(instance_, IDB_CLOSE_HOVER);
  images_ = LoadSkinBitmap(instance_, IDB_MENU_IMAGES);
  pointer_.Load(instance_);
  panelBrush_.Reset(CreateSolidBrush(kPanel));

  HWND box = CreateWindowExA(0, "BUTTON", "Son", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, kSoundOnBox.left,
                             kSoundOnBox.top, kSoundOnBox.right - kSoundOnBox.left, kSoundOnBox.bottom - kSoundOnBox.top, Window(),
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSoundOnBoxId)), instance_, nullptr);
  HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, kSoundFileBox.left,
                              kSoundFileBox.top, kSoundFileBox.right - kSoundFileBox.left, kSoundFileBox.bottom - kSoundFileBox.top, Window(),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSoundFileBoxId)), instance_, nullptr);
  if (!box || !edit) return false;
  for (HWND child : {box, edit}) SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.Normal()), FALSE);
  soundOn_.Attach(box);
  soundFile_.Attach(edit);
  // Image4 and Image5, the close button's two looks, lie in one place and
  // carry the same tip.
  if (tips_.Create(Window(), instance_))
    tips_.Add(RECT{kCloseAt.x, kCloseAt.y, kCloseAt.x + kCloseSize, kCloseAt.y + kCloseSize}, "Fermer");
  return true;
}

// ---- the view as the logic sees it ------------------------------------------

void FrmSon::MoveTo(PlaceTwips place) {
  if (Window())
    SetWindowPos(Window(), nullptr, Pixels(place.left), Pixels(place.top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FrmSon::PicturesChanged() {
  if (!Window()) return;
  const RECT closeRect{kCloseAt.x, kCloseAt.y, kCloseAt.x + kCloseSize, kCloseAt.y + kCloseSize};
  for (const RECT& r : {kExploreur, kSon, closeRect}) InvalidateRect(Window(), &r, FALSE);
}

void FrmSon::Close() { Finish(true); }

// ---- painting and the mouse -------------------------------------------------

void FrmSon::PaintButton(HDC dc, RECT bounds, bool pressed, int image, const char* caption) const {
  // BtnSound(i) behind, the picture on it: Explore(1) / BPlay(1) is the
  // warm face with the image pushed in by a pixel.
  DrawSkinBitmap(dc, pressed ? buttonPressed_.Get() : button_.Get(), bounds.left, bounds.top);
  const int shift = pressed ? 1 : 0;
  if (images_.Valid()) {
    auto memory = win32::UniqueMemoryDC::CompatibleWith(dc);
    win32::Selection selected(memory.Get(), images_.Get());
    TransparentBlt(dc, bounds.left + 8 + shift, bounds.top + 4 + shift, kImageSize, kImageSize, memory.Get(),
                   (image - 1) * kImageSize, 0, kImageSize, kImageSize, kKey);
  }
  RECT text{bounds.left + 28 + shift, bounds.top + shift, bounds.right - 4 + shift, bounds.bottom + shift};
  win32::Selection font(dc, fonts_.Normal());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kInk);
  DrawTextA(dc, caption, -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void FrmSon::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(Window(), &ps);
  {
    win32::SavedDC saved(dc);
    if (back_.Valid()) {
      auto memory = win32::UniqueMemoryDC::CompatibleWith(dc);
      win32::Selection selected(memory.Get(), back_.Get());
      BitBlt(dc, 0, 0, kSoundDialogWidth, kSoundDialogHeight, memory.Get(), 0, 0, SRCCOPY);
    }
    {
      win32::Selection font(dc, fonts_.Title());
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, kInk);
      RECT titre = kTitre;
      DrawTextA(dc, kAppName.data(), static_cast<int>(kAppName.size()), &titre,
                DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    const bool lit = dialog_ && dialog_->CloseLit();
    DrawSkinBitmap(dc, lit ? closeLit_.Get() : close_.Get(), kCloseAt.x, kCloseAt.y);
    PaintButton(dc, kExploreur, dialog_ && dialog_->ExplorePressedLook(), kFolderImage,
                AnsiFromUtf8("Parcourir").c_str());
    PaintButton(dc, kSon, dialog_ && dialog_->PlayPressedLook(), kSoundImage, "Essayer");
  }
  EndPaint(Window(), &ps);
}

FrmSon::Hit FrmSon::HitTest(POINT p) const {
  const RECT closeRect{kCloseAt.x, kCloseAt.y, kCloseAt.x + kCloseSize, kCloseAt.y + kCloseSize};
  if (Inside(closeRect, p)) return Hit::Close;
  if (Inside(kExploreur, p)) return Hit::Exploreur;
  if (Inside(kSon, p)) return Hit::Son;
  return Hit::Background;  // the title included: the dialog is dragged by it too
}

void FrmSon::OnButtonDown(POINT p, bool left) {
  if (!dialog_) return;
  const Hit hit = HitTest(p);
  if (hit != Hit::Background && !left) return;
  pressed_ = hit;
  SetCapture(Window());
  switch (hit) {
    case Hit::Exploreur: dialog_->Exploreur_MouseDown(); break;
    case Hit::Son: dialog_->Son_MouseDown(); break;
    case Hit::Close: break;
    case Hit::Background:
      dialog_->Background_MouseDown(Twips(p.x), Twips(p.y));
      break;
  }
}

void FrmSon::OnButtonUp(POINT p) {
  if (!dialog_ || !pressed_) return;
  const Hit pressed = *pressed_;
  pressed_.reset();
  if (GetCapture() == Window()) ReleaseCapture();
  const bool over = HitTest(p) == pressed;
  switch (pressed) {
    case Hit::Exploreur:
      if (over) dialog_->Exploreur_MouseUp();
      else dialog_->ButtonReleasedElsewhere();
      break;
    case Hit::Son:
      if (over) dialog_->Son_MouseUp();
      else dialog_->ButtonReleasedElsewhere();
      break;
    case Hit::Close:
      if (over) {
        dialog_->CloseButton_MouseMove();  // a click without a move first still finds Image5
        dialog_->CloseButton_Click();
      }
      break;
    case Hit::Background: dialog_->Background_MouseUp(); break;
  }
}

void FrmSon::OnMouseMove(POINT p) {
  if (!dialog_) return;
  // While a button is held, the moves belong to what it went down on.
  const Hit hit = pressed_ ? *pressed_ : HitTest(p);
  switch (hit) {
    case Hit::Exploreur: dialog_->Exploreur_MouseMove(); break;
    case Hit::Son: dialog_->Son_MouseMove(); break;
    case Hit::Close: dialog_->CloseButton_MouseMove(); break;
    case Hit::Background: {
      POINT screen{};
      GetCursorPos(&screen);
      dialog_->Background_MouseMove(screen.x, screen.y);
      break;
    }
  }
}

LRESULT FrmSon::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) tips_.Relay(message, wParam, lParam);
  switch (message) {
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: OnButtonDown(at, true); return 0;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: OnButtonDown(at, false); return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: OnButtonUp(at); return 0;
    case WM_MOUSEMOVE: OnMouseMove(at); return 0;
    case WM_CAPTURECHANGED:
      // Capture taken away mid-press (a menu, another window): end it.
      if (pressed_ && reinterpret_cast<HWND>(lParam) != Window() && dialog_) {
        if (*pressed_ == Hit::Background) dialog_->Background_MouseUp();
        else if (*pressed_ != Hit::Close) dialog_->ButtonReleasedElsewhere();
        pressed_.reset();
      }
      return 0;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == Window() && LOWORD(lParam) == HTCLIENT &&
          pointer_.ShowOver(HitTest(SkinPointer::At(Window())) != Hit::Background))
        return TRUE;
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      // The check box stands on the light panel.
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetBkColor(dc, kPanel);
      SetTextColor(dc, kInk);
      return reinterpret_cast<LRESULT>(panelBrush_.Get());
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == kSoundOnBoxId && HIWORD(wParam) == BN_CLICKED) {
        soundOn_.Clicked();
        return 0;
      }
      if (LOWORD(wParam) == IDCANCEL && dialog_) {  // Escape
        dialog_->CloseButton_Click();
        return 0;
      }
      break;
    case WM_CLOSE:
      // However it is closed, the dialog silences the sound.
      if (dialog_) dialog_->CloseButton_Click();
      else Close();
      return 0;
    case WM_NCDESTROY:
      // Destroyed with its owner, not closed: the closing is done all the same.
      Finish(false);
      break;
    default: break;
  }
  return DefWindowProcA(Window(), message, wParam, lParam);
}

}  // namespace vantrel
