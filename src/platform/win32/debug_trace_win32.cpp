#include "platform/win32/debug_trace_win32.h"

#include <windows.h>

#include <array>

namespace vantrel {

void OutputDebugTrace::Write(std::string_view line) noexcept {
  // A fixed buffer: a trace must work when memory has run out.
  std::array<char, 512> text{};
  const std::size_t length = line.size() < text.size() - 3 ? line.size() : text.size() - 3;
  line.copy(text.data(), length);
  text[length] = '\r';
  text[length + 1] = '\n';
  OutputDebugStringA(text.data());
}

}  // namespace vantrel
