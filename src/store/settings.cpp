#include "store/settings.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "common/text.h"
#include "store/program_files.h"

namespace vantrel {

long long CentredEdge(double screenTwips, double windowTwips) {
  const double difference = screenTwips - windowTwips;
  if (!std::isfinite(difference) || std::fabs(difference) > 1e15) return 0;
  // Whole-number division truncates toward zero, as the original rule does.
  return RoundHalfEven(difference) / 2;
}

std::string PositionText(float value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  if (result.ec != std::errc()) return "0";
  return std::string(buffer, result.ptr);
}

namespace {

// The number a whole stored text holds; nothing when the text is not one
// number or the number is out of range (where Val would give 0).
std::optional<double> StoredNumber(std::string_view text) {
  if (!IsNumeric(text)) return std::nullopt;
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace

std::optional<float> ParsePosition(std::string_view text) {
  const auto value = StoredNumber(text);
  if (!value || std::fabs(*value) > std::numeric_limits<float>::max()) return std::nullopt;
  return static_cast<float>(*value);
}

std::optional<int> ParseOption(std::string_view text) {
  const auto found = StoredNumber(text);
  if (!found) return std::nullopt;
  const double value = *found;
  if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
    return std::nullopt;
  const long long rounded = RoundHalfEven(value);
  if (rounded > std::numeric_limits<int>::max() || rounded < std::numeric_limits<int>::min())
    return std::nullopt;
  return static_cast<int>(rounded);
}

std::string Settings::GetText(std::string_view key, std::string_view defaultValue) const {
  return store_.GetSetting(kAppName, kSettingsSection, key, defaultValue);
}

bool Settings::SaveText(std::string_view key, std::string_view value) {
  return store_.SaveSetting(kAppName, kSettingsSection, key, value);
}

float Settings::GetPosition(std::string_view key, float defaultValue) const {
  return ParsePosition(GetText(key, PositionText(defaultValue))).value_or(defaultValue);
}

bool Settings::SavePosition(std::string_view key, float value) {
  return SaveText(key, PositionText(value));
}

int Settings::GetOption(std::string_view key, int defaultValue) const {
  return ParseOption(GetText(key, CStr(defaultValue))).value_or(defaultValue);
}

bool Settings::SaveOption(std::string_view key, bool value) {
  return SaveText(key, value ? "1" : "0");
}

float Settings::MainTop(double screenHeightTwips) const {
  return GetPosition(setting::kMainTop,
                     static_cast<float>(CentredEdge(screenHeightTwips, kMainWindowHeightTwips)));
}

float Settings::MainLeft(double screenWidthTwips) const {
  return GetPosition(setting::kMainLeft,
                     static_cast<float>(CentredEdge(screenWidthTwips, kMainWindowWidthTwips)));
}

int Settings::Position() const { return GetOption(setting::kPosition, 1); }
int Settings::RunAtStart() const { return GetOption(setting::kRunAtStart, 1); }
int Settings::RunUrlDefault() const { return GetOption(setting::kRunUrlDefault, 1); }
int Settings::RunMinimize() const { return GetOption(setting::kRunMinimize, 0); }
int Settings::SonValue() const { return GetOption(setting::kSonValue, 1); }

std::string Settings::Wave() const {
  return GetText(setting::kWave, ProgramFilePath(programFolder_, kDefaultWaveName));
}

float Settings::SonTop(double screenHeightTwips, double dialogHeightTwips) const {
  return GetPosition(setting::kSonTop,
                     static_cast<float>(CentredEdge(screenHeightTwips, dialogHeightTwips)));
}

float Settings::SonLeft(double screenWidthTwips, double dialogWidthTwips) const {
  return GetPosition(setting::kSonLeft,
                     static_cast<float>(CentredEdge(screenWidthTwips, dialogWidthTwips)));
}

}  // namespace vantrel
