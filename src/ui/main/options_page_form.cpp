#include "ui/main/options_page_form.h"

#include "assets/resource_ids.h"
#include "common/text.h"

namespace vantrel {
namespace {

// The user's decimal separator, read at each use as the settings may change
// while the program runs; a point when it is not one character.
char UserDecimalSeparator() {
  char separator[4] = {};
  const int length = GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator);
  return length == 2 ? separator[0] : '.';
}

}  // namespace

OptionsPageForm::OptionsPageForm() : PageForm(IDB_PAGE_OPTIONS) {}

void OptionsPageForm::Connect(ModuleINI& ini, TitleRuleState& titles, Settings& settings, FileSystem& files,
                              Registry& registry, UserPrompts& prompts, SoundDevice& sound, MessageLoop& loop) {
  settings_ = &settings;
  files_ = &files;
  prompts_ = &prompts;
  sound_ = &sound;
  loop_ = &loop;
  boxHandlers_ = std::make_unique<OptionHandlers>(Boxes(), settings, registry, files, browserHeaders_, prompts, [this] {
    headerEntry_.SetText("");
    headerEntry_.Focus();
  });
  operations_ = std::make_unique<OptionsPage>(OptionsPageParts{.AddH = heightBox_,
                                                               .AddL = widthBox_,
                                                               .LabBoutonHL = sizeButton_.caption,
                                                               .List4 = sizeRules_,
                                                               .AddEntete = headerEntry_,
                                                               .LabAjoutEntete = headerButton_.caption,
                                                               .List5 = browserHeaders_,
                                                               .ChkDefaut = builtInHeaders_},
                                              ini, titles, settings, files, prompts);
}

void OptionsPageForm::CreateContents() {
  const MainSkin& skin = Skin();
  HFONT font = skin.fonts.Normal();
  AddLabel(RECT{8, 3, 208, 19}, "Options", skin.fonts.Title(), kHeaderText);
  AddLabel(RECT{8, 25, 286, 41}, "Les fenêtres inf. à cette taille seront supprimées", font, kPanelText);
  AddLabel(RECT{8, 96, 84, 112}, "Taille fenêtre :", font, kPanelText);
  AddLabel(RECT{84, 96, 104, 112}, "H =", font, kPanelText);
  AddLabel(RECT{152, 96, 172, 112}, "L =", font, kPanelText);
  AddLabel(RECT{8, 146, 208, 162}, "Entêtes des Navigateurs", skin.fonts.Bold(), kPanelText);

  soundPicture_ = LoadSkinBitmap(skin.instance, IDB_SOUND);
  soundPictureLit_ = LoadSkinBitmap(skin.instance, IDB_SOUND_HOVER);
  soundIcon_ = SkinPicture(Window(), POINT{292, 24}, soundPicture_.Get(), soundPictureLit_.Get());
  const auto listStyle = WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_BORDER | WS_TABSTOP;
  const auto editStyle = ES_AUTOHSCROLL | WS_TABSTOP;
  sizeRules_.Attach(AddControl("LISTBOX", listStyle, RECT{8, 42, 286, 90}));
  heightBox_.Attach(AddControl("EDIT", editStyle, RECT{104, 94, 148, 114}, "", WS_EX_CLIENTEDGE));
  widthBox_.Attach(AddControl("EDIT", editStyle, RECT{172, 94, 216, 114}, "", WS_EX_CLIENTEDGE));
  AddButton(sizeButton_, POINT{238, 92}, false, kModeAdd, [this] {
    operations_->UseDecimalSeparator(UserDecimalSeparator());
    operations_->AddOrRemoveSizeRule();
  });

  const auto box = [&](Win32CheckBox& b, RECT r, const char* utf8) {
    const std::string caption = AnsiFromUtf8(utf8);
    b.Attach(AddControl("BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, r, caption.c_str()));
  };
  box(startWithWindows_, RECT{8, 122, 158, 140}, "Vantrel au démarrage");
  box(startHidden_, RECT{162, 122, 322, 140}, "Minimiser au Démarrage");
  box(builtInHeaders_, RECT{250, 145, 320, 163}, "Défaut");

  headerEntry_.Attach(AddControl("EDIT", editStyle, RECT{8, 166, 234, 186}, "", WS_EX_CLIENTEDGE));
  AddButton(headerButton_, POINT{238, 164}, false, kModeAdd, [this] { operations_->AddOrRemoveSuffix(); });
  browserHeaders_.Attach(AddControl("LISTBOX", listStyle, RECT{8, 192, 322, 234}));
  FillBuiltInHeaders(browserHeaders_);
  AddPicture(soundIcon_, [this] { OpenSoundDialog(); });
}

void OptionsPageForm::OnCommand(HWND control, UINT code) {
  if (control == sizeRules_.Handle() && code == LBN_SELCHANGE) {
    operations_->UseDecimalSeparator(UserDecimalSeparator());
    operations_->SelectSizeRule();
  }
  else if (control == browserHeaders_.Handle() && code == LBN_SELCHANGE) operations_->SelectSuffix();
  else if (code == BN_CLICKED) {
    for (Win32CheckBox* box : {&startWithWindows_, &startHidden_, &builtInHeaders_})
      if (control == box->Handle()) box->Clicked();
  }
}

bool OptionsPageForm::OnControlMessage(HWND control, UINT message, WPARAM) {
  if (message == WM_LBUTTONDOWN) {
    if (control == heightBox_.Handle()) operations_->HeightClicked();
    else if (control == headerEntry_.Handle()) operations_->SuffixClicked();
  }
  return false;  // the box still takes the click
}

bool OptionsPageForm::ShowsHand(HWND control) const {
  return control == sizeRules_.Handle() || control == browserHeaders_.Handle() || control == headerEntry_.Handle();
}

void OptionsPageForm::OpenSoundDialog() {
  if (soundDialog_ && soundDialog_->IsOpen()) return;
  // The dialog stands over the main window while it is open: that window
  // leaves the topmost band until the dialog has closed.
  prompts_->MakeNotTopmost();
  HWND main = GetAncestor(Window(), GA_ROOT);
  soundDialog_ = std::make_unique<FrmSon>(Skin().instance, *settings_, *sound_, *files_);
  if (!soundDialog_->Show(main, *loop_, [this] { prompts_->MakeTopmost(); })) prompts_->MakeTopmost();
}

// The sound icon lights up under the pointer; anywhere else on the page it
// shows its normal look.
void OptionsPageForm::OnMouseMove(POINT p) { soundIcon_.SetHighlighted(soundIcon_.Contains(p)); }

}  // namespace vantrel
