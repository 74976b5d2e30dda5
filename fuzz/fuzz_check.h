// What every fuzz target shares: the input as text, and a property check
// that stops the run with a message libFuzzer keeps beside the crash input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace vantrel::fuzz {

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
  return std::string_view(reinterpret_cast<const char*>(data), size);
}

// An input written "key NUL text": the key to look up (empty when the input
// holds no NUL) and the text to look it up in.
struct KeyedText {
  std::string_view key;
  std::string_view text;
};

inline KeyedText SplitKey(std::string_view input) {
  const std::size_t nul = input.find('\0');
  if (nul == std::string_view::npos) return {{}, input};
  return {input.substr(0, nul), input.substr(nul + 1)};
}

[[noreturn]] inline void PropertyFailed(const char* what, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: property failed: %s\n", file, line, what);
  std::abort();
}

}  // namespace vantrel::fuzz

// Checked in every build type: the fuzz build defines NDEBUG.
#define FUZZ_CHECK(condition) \
  ((condition) ? static_cast<void>(0) : ::vantrel::fuzz::PropertyFailed(#condition, __FILE__, __LINE__))
