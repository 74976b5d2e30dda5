// The Help page's text and its movement: 46 entries, each a text with a
// style, joined into one coloured text that scrolls slowly upward like film
// credits; a click pauses or resumes it, a double click on the text opens
// the maker's web site.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

inline constexpr int kHelpEntryCount = 46;

// Geometry in twips (15 to the pixel). The frame FFichierAide is the black
// scrolling area; the text box FichierAide lies in it, much taller than it.
inline constexpr int kHelpFrameWidthTwips = 4935;
inline constexpr int kHelpFrameHeightTwips = 3100;
inline constexpr int kHelpBoxLeftTwips = 240;
inline constexpr int kHelpBoxWidthTwips = 4500;
inline constexpr int kHelpBoxHeightTwips = 17500;
inline constexpr int kHelpScrollStepTwips = 10;
inline constexpr unsigned kHelpScrollIntervalMs = 25;  // Timer2
// The text box's font: Verdana 8.25 points.
inline constexpr const char* kHelpFontFace = "Verdana";
inline constexpr double kHelpFontPoints = 8.25;

// Colours are 0x00BBGGRR.
constexpr unsigned HelpRgb(unsigned red, unsigned green, unsigned blue) { return red | (green << 8) | (blue << 16); }

enum class HelpAlign { Unchanged, Centre, Left };

// What applying an entry's style sets. An attribute left empty (or an
// alignment Unchanged) keeps what the text already has. The two emphasis
// marks are rendered as bold (A) and underline (B).
struct HelpStyle {
  std::optional<unsigned> colour;
  std::optional<bool> markA;
  std::optional<bool> markB;
  HelpAlign align = HelpAlign::Unchanged;
  bool operator==(const HelpStyle&) const = default;
};

// White, A off, B off, left: the style of the plain entries, and what the
// box holds before the entries' styles are applied.
HelpStyle DefaultHelpStyle();

struct HelpEntry {
  std::string text;  // Windows-1252, as the box takes it
  HelpStyle style;
};

// The 46 entries in order; title is the application title.
std::vector<HelpEntry> HelpEntries(std::string_view title);

// What joins entry index to the text before it: one blank for entries 10,
// 20, 21, 40 and 41, a line break (CR LF) for every other entry, entry 0
// included, so the text begins with an empty line.
std::string_view HelpSeparator(int index);

// One entry's part of the text: its separator and its own text.
struct HelpRun {
  std::size_t start = 0;
  std::size_t length = 0;
  bool operator==(const HelpRun&) const = default;
};

struct ComposedHelp {
  std::string text;
  std::vector<HelpRun> runs;  // one per entry, in order
};

// The entries joined with their separators, and where each one's run lies.
ComposedHelp ComposeHelpText(const std::vector<HelpEntry>& entries);

// A rich-text box keeps each CR LF as one paragraph mark: the position in
// such a box of the character at position in text.
std::size_t BoxPosition(std::string_view text, std::size_t position);

// The page's static title (Windows-1252).
std::string HelpTitle();

// The text box's next top (twips) after one scroll tick: 10 twips higher,
// and back in at the bottom of the frame once the whole box has left it.
int NextHelpTop(int topTwips, int boxHeightTwips = kHelpBoxHeightTwips,
                int frameHeightTwips = kHelpFrameHeightTwips);

// Twips to whole pixels, half to even.
int HelpPixels(int twips);

// The scroll position and whether the scroller (Timer2) runs. The position
// lasts: composing the text again does not move it.
class HelpScroller {
 public:
  int TopTwips() const { return top_; }
  bool Running() const { return running_; }
  void SetRunning(bool running) { running_ = running; }
  // A click: stops the scroller when it runs, starts it when it is
  // stopped. Returns the new state.
  bool Toggle() { return running_ = !running_; }
  // One tick of the scroller; does nothing (false) while it is stopped.
  bool Tick();

 private:
  int top_ = 0;
  bool running_ = false;
};

// The two places a click can land: the text box or the frame around it.
enum class HelpTarget { Text, Frame };
enum class HelpAction { None, ToggleScroll, OpenWebSite };

// Left-button events on the help page as the clicks they make. A click is
// a press and a release on the same place; a double click on the text opens
// the web site. The system reports a double click as press, release, double
// click, release: the first pair is one click, the rest is the double click.
class HelpMouse {
 public:
  HelpAction ButtonDown(HelpTarget target);
  HelpAction ButtonUp(HelpTarget target);
  HelpAction DoubleClick(HelpTarget target);

 private:
  std::optional<HelpTarget> pressed_;
};

}  // namespace vantrel
