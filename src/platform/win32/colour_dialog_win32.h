// The system's colour chooser (ChooseColorA).
#pragma once

#include "platform/colour_dialog.h"

namespace vantrel {

class Win32ColourDialog final : public ColourDialog {
 public:
  std::optional<std::int32_t> ChooseColour(const ColourDialogRequest& request) override;
};

}  // namespace vantrel
