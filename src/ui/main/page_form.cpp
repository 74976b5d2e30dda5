#include "ui/main/page_form.h"

#include <windowsx.h>

#include "common/text.h"
#include "ui/control_subclass.h"

namespace vantrel {

void PageForm::RegisterFrameClass(HINSTANCE instance) {
  WNDCLASSA page{};
  page.lpfnWndProc = FormWindow::Procedure;
  page.hInstance = instance;
  page.lpszClassName = kPageClassName;
  page.hCursor = LoadCursor(nullptr, IDC_ARROW);
  RegisterClassA(&page);  // fails harmlessly when already registered
}

bool PageForm::Create(HWND main, RECT place, const MainSkin& skin) {
  skin_ = &skin;
  frame_ = OwnedWindow::Create(*this, FormWindowCreation{.className = kPageClassName,
                                                         .style = WS_CHILD | WS_CLIPCHILDREN,
                                                         .place = place,
                                                         .parent = main,
                                                         .instance = skin.instance});
  if (!frame_) return false;
  CreateContents();
  return true;
}

void PageForm::SetVisible(bool visible) {
  if (Window()) ShowWindow(Window(), visible ? SW_SHOWNA : SW_HIDE);
}

bool PageForm::Visible() const { return Window() && (GetWindowLongA(Window(), GWL_STYLE) & WS_VISIBLE) != 0; }

void PageForm::HideAt(POINT at) {
  if (!Window()) return;
  SetWindowPos(Window(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(Window(), SW_HIDE);
}

HWND PageForm::AddControl(const char* className, DWORD style, RECT place, const char* text, DWORD exStyle) {
  HWND control = CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, place.left, place.top,
                                 place.right - place.left, place.bottom - place.top, Window(), nullptr, skin_->instance,
                                 nullptr);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(skin_->fonts.Normal()), FALSE);
  AttachControlFilter(control, FilterControl, this);
  return control;
}

void PageForm::AddLabel(RECT place, const char* utf8Caption, HFONT font, COLORREF colour) {
  SkinLabel label(Window(), place, font, kLeft);
  label.SetCaption(AnsiFromUtf8(utf8Caption));
  label.SetForeColor(colour);
  fixedLabels_.push_back(std::move(label));
}

void PageForm::AddOwnLabel(SkinLabel& label, RECT place, HFONT font, UINT format) {
  // The caption set before the frame existed stays.
  const std::string caption = label.Caption();
  const unsigned colour = label.ForeColor();
  label = SkinLabel(Window(), place, font, format);
  label.SetCaption(caption);
  label.SetForeColor(colour);
  ownLabels_.push_back(&label);
}

void PageForm::AddButton(PictureButton& button, POINT at, bool wide, const char* caption,
                         std::function<void()> click) {
  button.picture = wide ? SkinPicture(Window(), at, skin_->wideButton.Get(), skin_->wideButtonHover.Get())
                        : SkinPicture(Window(), at, skin_->button.Get(), skin_->buttonHover.Get());
  button.caption = SkinLabel(Window(), button.picture.Bounds(), skin_->fonts.Normal(), kCentred);
  button.caption.SetCaption(caption);
  clickables_.push_back(Clickable{.picture = &button.picture, .caption = &button.caption, .click = std::move(click)});
}

void PageForm::AddPicture(SkinPicture& picture, std::function<void()> click) {
  clickables_.push_back(Clickable{.picture = &picture, .caption = nullptr, .click = std::move(click)});
}

HBITMAP PageForm::Picture() {
  if (!pictureTried_) {
    pictureTried_ = true;
    picture_ = LoadSkinBitmap(skin_->instance, pictureId_);
  }
  return picture_.Get();
}

void PageForm::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(Window(), &ps);
  if (HBITMAP picture = Picture()) {
    win32::SavedDC saved(dc);
    auto memory = win32::UniqueMemoryDC::CompatibleWith(dc);
    win32::Selection selected(memory.Get(), picture);
    const RECT& r = ps.rcPaint;
    BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, memory.Get(), r.left, r.top, SRCCOPY);
  }
  for (const SkinLabel* label : ownLabels_) label->Paint(dc);
  for (const SkinLabel& label : fixedLabels_) label.Paint(dc);
  for (const Clickable& clickable : clickables_) {
    clickable.picture->Paint(dc);
    if (clickable.caption) clickable.caption->Paint(dc);
  }
  EndPaint(Window(), &ps);
}

void PageForm::OnMouse(UINT message, POINT p) {
  if (message == WM_MOUSEMOVE) {
    OnMouseMove(p);
    return;
  }
  const Clickable* hit = nullptr;
  for (const Clickable& clickable : clickables_)
    if (clickable.picture->Contains(p)) hit = &clickable;
  if (message == WM_LBUTTONDOWN) {
    pressed_ = hit;
    return;
  }
  // A click is a press and a release on the same picture.
  if (message == WM_LBUTTONUP && hit && hit == pressed_ && hit->click) {
    pressed_ = nullptr;
    hit->click();
  }
}

bool PageForm::OnSetCursor(HWND over) {
  bool clickable = ShowsHand(over);
  if (over == Window()) {
    const POINT p = SkinPointer::At(Window());
    for (const Clickable& c : clickables_) clickable = clickable || c.picture->Contains(p);
  }
  return skin_ && skin_->pointer.ShowOver(clickable);
}

HBRUSH PageForm::BackBrush(HWND control) {
  if (!backBrush_.Valid()) {
    // The check boxes stand on the page's light panel: their background is
    // the panel's colour where they stand.
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&r), 2);
    COLORREF colour = RGB(232, 238, 246);
    if (HBITMAP picture = Picture()) {
      auto memory = win32::UniqueMemoryDC::CompatibleWith(nullptr);
      win32::Selection selected(memory.Get(), picture);
      const COLORREF sampled = GetPixel(memory.Get(), r.left + 1, r.top + 1);
      if (sampled != CLR_INVALID) colour = sampled;
    }
    backBrush_.Reset(CreateSolidBrush(colour));
  }
  return backBrush_.Get();
}

bool PageForm::FilterControl(void* selfData, HWND control, UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  auto* self = static_cast<PageForm*>(selfData);
  result = 0;
  return self && self->Window() && self->OnControlMessage(control, message, wParam);
}

LRESULT PageForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_NCPAINT:
      return 0;  // a page has no border
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
      OnMouse(message, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_COMMAND:
      OnCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (HBRUSH brush = BackBrush(reinterpret_cast<HWND>(lParam))) {
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<LRESULT>(brush);
      }
      break;
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT && OnSetCursor(reinterpret_cast<HWND>(wParam))) return TRUE;
      break;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

}  // namespace vantrel
