#include "ui/model/storage_notices.h"

#include <utility>

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

// Each box is taken off the due list before it opens: the box's own loop
// runs the watch, and whatever becomes due meanwhile asks for a showing of
// its own, from the next message, instead of growing this one.
void StorageNotices::ShowDue(UserPrompts& prompts) {
  showingRequested_ = false;
  const bool folder = std::exchange(folderDue_, false);
  const bool killLog = std::exchange(killLogDue_, false);
  const auto show = [&prompts](const std::string& text) {
    prompts.MakeNotTopmost();
    prompts.Inform(text, "Vantrel");
    prompts.MakeTopmost();
  };
  if (folder) show(ProgramFolderNotWritableText(folder_));
  if (killLog) show(KillLogNotWritableText());
}

}  // namespace vantrel
