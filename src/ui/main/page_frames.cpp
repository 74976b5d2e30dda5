#include "ui/main/page_frames.h"

#include "ui/model/twips.h"

namespace vantrel {
namespace {

constexpr Page kPages[] = {Page::Windows, Page::Options, Page::Statistics, Page::Help};
// The pages lie below the upper area: 5 twips from the left, 4040 from the top.
constexpr int kLeftTwips = 5, kTopTwips = 4040;
constexpr int kWidth = 330, kHeight = 237;

}  // namespace

RECT PageFrames::Place() {
  const POINT at{PixelsFromTwips(kLeftTwips), PixelsFromTwips(kTopTwips)};
  return RECT{at.x, at.y, at.x + kWidth, at.y + kHeight};
}

void PageFrames::Create(HWND main, const MainSkin& skin) {
  PageForm::RegisterFrameClass(skin.instance);
  for (const Page page : kPages) Form(page)->Create(main, Place(), skin);
}

PageForm* PageFrames::Form(Page page) {
  return const_cast<PageForm*>(static_cast<const PageFrames&>(*this).Form(page));
}

const PageForm* PageFrames::Form(Page page) const {
  switch (page) {
    case Page::Windows: return &windows;
    case Page::Options: return &options;
    case Page::Statistics: return &statistics;
    case Page::Help: return &help;
    case Page::None: break;
  }
  return nullptr;
}

bool PageFrames::AnyVisible() const {
  for (const Page page : kPages)
    if (Form(page)->Visible()) return true;
  return false;
}

void PageFrames::HideAll() {
  const RECT place = Place();
  for (const Page page : kPages) Form(page)->HideAt(POINT{place.left, place.top});
}

}  // namespace vantrel
