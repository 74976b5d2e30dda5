#include "ui/model/option_handlers.h"

#include "store/autostart.h"
#include "store/browser_headers.h"
#include "common/text.h"
#include "store/settings.h"

namespace vantrel {
namespace {
const char* const kAutostartNotRemoved = "Impossible de retirer Vantrel du démarrage de Windows : il démarrera encore avec Windows.";
}

void FillBuiltInHeaders(ListControl& list5) {
  list5.Clear();
  for (const char* header : kBuiltInHeaders) list5.Add(header);
}

OptionHandlers::OptionHandlers(OptionBoxes boxes, Settings& settings, Registry& registry, FileSystem& files,
                               ListControl& list5, UserPrompts& prompts, std::function<void()> focusHeaderEntry)
    : chkStart_(boxes.chkStart),
      settings_(settings),
      registry_(registry),
      prompts_(prompts),
      files_(files),
      list5_(list5),
      focusHeaderEntry_(std::move(focusHeaderEntry)) {
  boxes.chkStart.OnChange([this](bool v) { SetAutostart(v); });
  boxes.ChkDefaut.OnChange([this](bool v) { SwitchSuffixSource(v); });
  boxes.chkMin.OnChange([this](bool v) { SaveStartHidden(v); });
}

void OptionHandlers::SetAutostart(bool checked) {
  if (keepingAutostart_) {
    // The value is still there: only the box and its setting follow it.
    settings_.SaveOption(setting::kRunAtStart, checked);
    return;
  }
  if (checked) {
    SetAutostartEntry(registry_, kAutostartValueName, AutostartCommand(settings_.ProgramFolder()));
  } else if (!RemoveAutostartEntry(registry_, kAutostartValueName)) {
    // The program still starts with Windows: the box says so again.
    prompts_.MakeNotTopmost();
    prompts_.Inform(AnsiFromUtf8(kAutostartNotRemoved), "Vantrel");
    prompts_.MakeTopmost();
    keepingAutostart_ = true;
    chkStart_.SetValue(true);
    keepingAutostart_ = false;
    return;
  }
  settings_.SaveOption(setting::kRunAtStart, checked);
}

void OptionHandlers::SwitchSuffixSource(bool checked) {
  settings_.SaveOption(setting::kRunUrlDefault, checked);
  if (checked) {
    FillBuiltInHeaders(list5_);
    if (focusHeaderEntry_) focusHeaderEntry_();
    return;
  }
  // A missing file leaves the list as it is.
  LoadBrowserHeaders(files_, BrowserHeaderFilePath(settings_.ProgramFolder()), list5_);
}

void OptionHandlers::SaveStartHidden(bool checked) { settings_.SaveOption(setting::kRunMinimize, checked); }

}  // namespace vantrel
