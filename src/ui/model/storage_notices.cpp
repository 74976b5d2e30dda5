#include "ui/model/storage_notices.h"

#include "common/text.h"
#include "store/program_files.h"

namespace vantrel {

std::string ProgramFolderNotWritableText(std::string_view programFolder) {
  std::string text = AnsiFromUtf8("Vantrel ne peut pas écrire dans son dossier :\n");
  text += programFolder;
  text += AnsiFromUtf8(
      "\n\nIl ne pourra rien y garder : les fenêtres à détruire et les tailles que vous ajouterez, le "
      "journal des fenêtres détruites (les statistiques) et la trace ne seront pas enregistrés."
      "\n\nPour les garder, quittez Vantrel, déplacez son dossier dans un dossier où vous pouvez écrire, "
      "par exemple vos Documents, et lancez-le de là.");
  return text;
}

std::string KillLogNotWritableText() {
  return AnsiFromUtf8(
      "Impossible d'écrire dans \"logkill.txt\" : les fenêtres détruites sont bien fermées, mais elles ne sont "
      "plus notées dans les statistiques.\n\nCe message ne sera plus montré avant le prochain démarrage.");
}

void StorageNotices::CheckProgramFolder(FileSystem& files, std::string_view programFolder) {
  folder_ = programFolder;
  folderWritable_ = vantrel::ProgramFolderWritable(files, programFolder);
  if (folderWritable_) return;
  folderDue_ = true;
  killLogTold_ = true;
  RequestShowing();
}

void StorageNotices::KillLogRefused() {
  if (killLogTold_) return;
  killLogTold_ = true;
  killLogDue_ = true;
  RequestShowing();
}

void StorageNotices::RequestShowing() {
  if (showingRequested_) return;
  showingRequested_ = true;
  if (requestShowing_) requestShowing_();
}

// Each flag is lowered before its box opens: the box's own loop runs the
// watch, whose refusals then find the user told.
void StorageNotices::ShowDue(UserPrompts& prompts) {
  showingRequested_ = false;
  while (folderDue_ || killLogDue_) {
    std::string text;
    if (folderDue_) {
      folderDue_ = false;
      text = ProgramFolderNotWritableText(folder_);
    } else {
      killLogDue_ = false;
      text = KillLogNotWritableText();
    }
    prompts.MakeNotTopmost();
    prompts.Inform(text, "Vantrel");
    prompts.MakeTopmost();
  }
}

}  // namespace vantrel
