#include "platform/win32/colour_dialog_win32.h"

#include <windows.h>
#include <commdlg.h>

namespace vantrel {

std::optional<std::int32_t> Win32ColourDialog::ChooseColour(const ColourDialogRequest& request) {
  // The chooser may change the custom colours; it works on a copy.
  COLORREF custom[16];
  for (std::size_t j = 0; j < 16; ++j) custom[j] = static_cast<COLORREF>(request.customColours[j]);
  CHOOSECOLORA chooser{};
  // The record's size on this platform (36 bytes in 32-bit builds).
  chooser.lStructSize = sizeof chooser;
  chooser.hwndOwner = reinterpret_cast<HWND>(request.owner);
  chooser.hInstance = reinterpret_cast<HWND>(::GetModuleHandleA(nullptr));
  chooser.rgbResult = static_cast<COLORREF>(request.initialColour);
  chooser.lpCustColors = custom;
  chooser.Flags = request.flags;
  if (!::ChooseColorA(&chooser)) return std::nullopt;
  return static_cast<std::int32_t>(chooser.rgbResult);
}

}  // namespace vantrel
