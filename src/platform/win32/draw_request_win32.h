// Draw requests read from the system's DRAWITEMSTRUCT.
#pragma once

#include "platform/draw_request.h"

namespace vantrel {

class Win32DrawRequestReader final : public DrawRequestReader {
 public:
  bool ReadDrawItem(std::intptr_t address, DrawItemRecord& record) override;
};

}  // namespace vantrel
