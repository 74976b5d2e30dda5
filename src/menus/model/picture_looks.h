// What the engine found when it looked at a picture handle (a bitmap or an
// icon, and its size), remembered for the life of the popup that shows it.
//
// A look is not free: an icon's description comes with two bitmaps made for
// the asker, several round trips to the window server under Wine. A popup's
// pictures are looked at when it is prepared and again for every drawing of
// its items, so each popup keeps what its first look at a handle found, from
// its preparation to the end of the menu loop. Never longer: a handle
// destroyed later may be given to another picture.
#pragma once

#include <map>
#include <optional>
#include <utility>

#include "menus/model/icon_sources.h"
#include "menus/model/menu_engine_parts.h"
#include "platform/menu_access.h"
#include "platform/picture_inspector.h"

namespace vantrel {

class PictureLooks final : public MenuLoopMemory {
 public:
  // inspector must outlive this object.
  explicit PictureLooks(const PictureInspector& inspector) : inspector_(inspector) {}
  PictureLooks(const PictureLooks&) = delete;
  PictureLooks& operator=(const PictureLooks&) = delete;

  // The pictures of one popup, answered as the inspector answers: each
  // question about a handle is asked once while the popup remembers it.
  class PopupPictures final : public PictureInspector {
   public:
    PopupPictures(PictureLooks& looks, MenuHandle popup) : looks_(looks), popup_(popup) {}
    std::optional<PictureSize> BitmapSize(PictureHandle handle) const override;
    std::optional<PictureSize> IconColourSize(PictureHandle handle) const override;

   private:
    PictureLooks& looks_;
    MenuHandle popup_;
  };

  PopupPictures Of(MenuHandle popup) { return PopupPictures(*this, popup); }

  // What the popup's preparation found a handle to be, however it found it
  // (an image list knows its icons without a look): every later question
  // about that handle in the popup is answered from it.
  void Learn(MenuHandle popup, const ResolvedPicture& picture);

  // The popup is prepared anew: what it found before is forgotten.
  void BeginPopup(MenuHandle popup);
  // A menu loop begins or ends: every popup forgets.
  void ForgetMenuLoop() noexcept override { looks_.clear(); }

  // How many handles are remembered, all popups together.
  std::size_t Remembered() const { return looks_.size(); }

 private:
  // Each answer once asked; an empty outer optional is a question not asked.
  struct Answers {
    std::optional<std::optional<PictureSize>> bitmap;
    std::optional<std::optional<PictureSize>> icon;
  };

  Answers& AnswersFor(MenuHandle popup, PictureHandle handle) { return looks_[{popup, handle}]; }

  const PictureInspector& inspector_;
  std::map<std::pair<MenuHandle, PictureHandle>, Answers> looks_;
};

}  // namespace vantrel
