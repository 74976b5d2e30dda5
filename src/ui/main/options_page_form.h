// The Options page: the size rules, the three option boxes, the browser
// title pieces and the sound icon that opens the sound dialog.
#pragma once

#include <functional>
#include <memory>

#include "platform/registry.h"
#include "platform/sound_device.h"
#include "ui/message_loop.h"
#include "ui/main/page_form.h"
#include "ui/model/option_handlers.h"
#include "ui/model/options_page.h"
#include "ui/model/windows_page.h"  // the buttons' two modes
#include "ui/sound/frm_son.h"

namespace vantrel {

class OptionsPageForm final : public PageForm {
 public:
  OptionsPageForm();

  // The operations, once what they act on exists; the sound dialog plays
  // on sound and is served by loop.
  void Connect(ModuleINI& ini, TitleRuleState& titles, Settings& settings, FileSystem& files, Registry& registry,
               UserPrompts& prompts, SoundDevice& sound, MessageLoop& loop);

  OptionsPage& Operations() { return *operations_; }
  ListControl& SizeRules() { return sizeRules_; }
  ListControl& BrowserHeaders() { return browserHeaders_; }
  OptionBoxes Boxes() { return OptionBoxes{startWithWindows_, builtInHeaders_, startHidden_}; }
  CheckBox& StartHidden() { return startHidden_; }
  CheckBox& BuiltInHeaders() { return builtInHeaders_; }

 private:
  void CreateContents() override;
  void OnCommand(HWND control, UINT code) override;
  bool OnControlMessage(HWND control, UINT message, WPARAM wParam) override;
  bool ShowsHand(HWND control) const override;
  void OnMouseMove(POINT p) override;
  void OpenSoundDialog();

  Win32ListBox sizeRules_;       // List4
  Win32TextBox heightBox_;       // AddH
  Win32TextBox widthBox_;        // AddL
  PictureButton sizeButton_;     // AddHL with LabBoutonHL
  Win32TextBox headerEntry_;     // AddEntete
  PictureButton headerButton_;   // AjoutEntete with LabAjoutEntete
  Win32ListBox browserHeaders_;  // List5
  // Designed values: start with Windows clear, built-in headers set, start hidden set.
  Win32CheckBox startWithWindows_{false};  // chkStart
  Win32CheckBox builtInHeaders_{true};     // ChkDefaut
  Win32CheckBox startHidden_{true};        // chkMin
  win32::UniqueBitmap soundPicture_, soundPictureLit_;
  SkinPicture soundIcon_;  // IconSon
  std::unique_ptr<OptionsPage> operations_;
  std::unique_ptr<OptionHandlers> boxHandlers_;
  // What the sound dialog needs, and the latest one shown.
  Settings* settings_ = nullptr;
  FileSystem* files_ = nullptr;
  UserPrompts* prompts_ = nullptr;
  SoundDevice* sound_ = nullptr;
  MessageLoop* loop_ = nullptr;
  std::unique_ptr<FrmSon> soundDialog_;
};

}  // namespace vantrel
