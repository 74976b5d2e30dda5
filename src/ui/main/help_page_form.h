// The Help page: its title over the scrolling help text.
#pragma once

#include "ui/main/help_page.h"
#include "ui/main/page_form.h"

namespace vantrel {

class HelpPageForm final : public PageForm {
 public:
  HelpPageForm();
  HelpPage& Text() { return text_; }
  const HelpPage& Text() const { return text_; }

 private:
  void CreateContents() override;

  SkinLabel title_;
  HelpPage text_;
};

}  // namespace vantrel
