#include "platform/win32/text_case_win32.h"

#include <windows.h>

#include <algorithm>
#include <limits>

namespace vantrel {

void Win32TextCase::ToUpper(std::string& text) const {
  // In place, byte for byte: the text keeps its length. Beyond what one
  // call takes, the rest is converted in further calls.
  constexpr std::size_t kChunk = std::numeric_limits<DWORD>::max() / 2;
  for (std::size_t from = 0; from < text.size(); from += kChunk) {
    const std::size_t length = std::min(kChunk, text.size() - from);
    CharUpperBuffA(text.data() + from, static_cast<DWORD>(length));
  }
}

const TextCase& SystemTextCase() {
  static const Win32TextCase instance;
  return instance;
}

}  // namespace vantrel
