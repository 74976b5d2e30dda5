// The program's values in the per-user settings store: application
// "Vantrel", section "Settings", with their defaults and typed reads.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/settings_store.h"

namespace vantrel {

inline constexpr std::string_view kAppName = "Vantrel";
inline constexpr std::string_view kSettingsSection = "Settings";
inline constexpr std::string_view kFontSection = "Font";

// Keys of the section "Settings".
namespace setting {
inline constexpr std::string_view kMainTop = "MainTop";
inline constexpr std::string_view kMainLeft = "MainLeft";
inline constexpr std::string_view kPosition = "Position";
inline constexpr std::string_view kRunAtStart = "RunAtStart";
inline constexpr std::string_view kRunUrlDefault = "RunUrlDefault";
inline constexpr std::string_view kRunMinimize = "RunMinimize";
inline constexpr std::string_view kSonValue = "SonValue";
inline constexpr std::string_view kWave = "Wave";
inline constexpr std::string_view kSonTop = "SonTop";
inline constexpr std::string_view kSonLeft = "SonLeft";
}  // namespace setting

// Fixed size of the main window in twips.
inline constexpr int kMainWindowHeightTwips = 4065;
inline constexpr int kMainWindowWidthTwips = 4950;

// The edge that centres a window of the given size on a screen of the given
// size (both in twips): the difference rounded to a whole number, halved,
// the fraction dropped.
long long CentredEdge(double screenTwips, double windowTwips);

// A single-precision position as stored: the shortest decimal text that
// reads back as the same number ("1234", "-30.5").
std::string PositionText(float value);

// A stored position read back; nothing when the text is not a number or
// does not fit a single-precision number.
std::optional<float> ParsePosition(std::string_view text);

// A stored option read back as a whole number (a fraction rounds half to
// even); nothing when the text is not a number or does not fit.
std::optional<int> ParseOption(std::string_view text);

// Typed access to the section "Settings". A stored value that is not what
// it should be (a position or an option that is not a number) reads as the
// key's default, so a damaged store still starts the program as a first
// start would; the damaged value is overwritten by the next save.
class Settings {
 public:
  Settings(SettingsStore& store, std::string_view programFolder)
      : store_(store), programFolder_(programFolder) {}

  const std::string& ProgramFolder() const { return programFolder_; }

  std::string GetText(std::string_view key, std::string_view defaultValue) const;
  bool SaveText(std::string_view key, std::string_view value);

  float GetPosition(std::string_view key, float defaultValue) const;
  bool SavePosition(std::string_view key, float value);

  int GetOption(std::string_view key, int defaultValue) const;
  // Options are stored as "0" or "1".
  bool SaveOption(std::string_view key, bool value);

  // The values with their own defaults. Screen sizes are in twips.
  float MainTop(double screenHeightTwips) const;
  float MainLeft(double screenWidthTwips) const;
  int Position() const;      // default 1, the Windows page
  int RunAtStart() const;    // default 1
  int RunUrlDefault() const; // default 1
  int RunMinimize() const;   // default 0
  int SonValue() const;      // default 1
  std::string Wave() const;  // default: the program folder and "\wave\1.wav"
  float SonTop(double screenHeightTwips, double dialogHeightTwips) const;
  float SonLeft(double screenWidthTwips, double dialogWidthTwips) const;

 private:
  SettingsStore& store_;
  std::string programFolder_;
};

}  // namespace vantrel
