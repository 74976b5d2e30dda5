#include "common/text_case.h"

#include <array>
#include <atomic>

namespace vantrel {
namespace {

class Windows1252TextCase final : public TextCase {
 public:
  Windows1252TextCase() {
    for (int b = 0; b < 256; ++b) upper_[static_cast<std::size_t>(b)] = static_cast<unsigned char>(b);
    for (int b = 'a'; b <= 'z'; ++b) upper_[static_cast<std::size_t>(b)] = static_cast<unsigned char>(b - 0x20);
    // à..þ to À..Þ, the division sign aside; ß and µ have no capital here.
    for (int b = 0xE0; b <= 0xFE; ++b)
      if (b != 0xF7) upper_[static_cast<std::size_t>(b)] = static_cast<unsigned char>(b - 0x20);
    upper_[0x9A] = 0x8A;  // š Š
    upper_[0x9C] = 0x8C;  // œ Œ
    upper_[0x9E] = 0x8E;  // ž Ž
    upper_[0xFF] = 0x9F;  // ÿ Ÿ
  }
  void ToUpper(std::string& text) const override {
    for (char& c : text) c = static_cast<char>(upper_[static_cast<unsigned char>(c)]);
  }

 private:
  std::array<unsigned char, 256> upper_{};
};

std::atomic<const TextCase*>& Current() {
  static std::atomic<const TextCase*> current{&Windows1252Case()};
  return current;
}

}  // namespace

const TextCase& Windows1252Case() {
  static const Windows1252TextCase instance;
  return instance;
}

void UseTextCase(const TextCase& textCase) { Current().store(&textCase); }

const TextCase& CurrentTextCase() { return *Current().load(); }

}  // namespace vantrel
