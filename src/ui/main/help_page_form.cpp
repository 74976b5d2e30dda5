#include "ui/main/help_page_form.h"

#include "assets/resource_ids.h"

namespace vantrel {

HelpPageForm::HelpPageForm() : PageForm(IDB_PAGE_HELP) {
  title_.SetCaption(HelpPage::Title());
  title_.SetForeColor(kHeaderText);
}

void HelpPageForm::CreateContents() {
  text_.Create(Window(), RECT{0, 28, 329, 235}, Skin().instance);
  AddOwnLabel(title_, kTitlePlace, Skin().fonts.Title());
}

}  // namespace vantrel
