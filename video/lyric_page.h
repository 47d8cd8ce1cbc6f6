#pragma once
// TLyricPage: a song's lyric lines and syllable timing, and the page of lines
// drawn for a song time. Lines and timing are built on the main thread and
// handed to the drawing (clock) thread as one immutable snapshot, so a new
// song never changes tables that a tick is drawing from.

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "display/display.h"
#include "display/lyric_font.h"
#include "display/lyric_line.h"
#include "playback/song_targets.h"

namespace lyrova {

// The look of the lines, read from the settings when a song's lines are laid out.
struct TLyricLook {
  std::string fontName = "Arial";  // CP1251
  int fontHeight = 72;
  ColorRef color1 = 0xFF0000;  // not yet sung
  ColorRef color2 = 0xFFFFFF;  // sung
  ColorRef shadow = 0;
  int stringsCount = 4;
};

struct TTimingEntry {
  std::int32_t start = 0;
  std::int32_t length = 0;
  std::int32_t line = 0;
  std::int32_t ch = 0;  // index of the character's box in its line
  bool operator==(const TTimingEntry&) const = default;
};

struct TLyricSnapshot {
  // Laid out at the 800 x 600 design, not rendered: the drawing thread
  // renders them at the picture's scale.
  std::shared_ptr<const std::vector<TLline>> lines;
  std::vector<TTimingEntry> timing;
  int stringsCount = 4;  // the value the lines were laid out with
};

class TLyricPage : public ILyricTarget {
 public:
  // The lyric area, at the bottom of the picture.
  static constexpr int kTextWidth = 800;
  static constexpr int kTextHeight = kLyricAreaHeight;
  // Shares of the introduction, one per character of the intro line.
  static constexpr int kIntroShares = 13;
  // Room kept free at each side of a line that had to be made smaller to fit.
  static constexpr int kSideMargin = 16;
  static const std::string& IntroLine();  // "Вступление..." (UTF-8, as the words are)

  explicit TLyricPage(std::function<TLyricLook()> look);

  // Makes the lyric-area surface on `display` (once, when the window is made).
  HResult CreateSurface(TDisplay& display);

  // Main thread.
  void SetLyrics(const std::vector<std::string>& lines) override;
  void SetTiming(const TimingPairs& timing) override;

  // One drawing thread: draws the page for song time t (0: no song, nothing
  // drawn) on the display's back buffer, the design scaled to its size (see
  // TPictureScale). Throws lyrova::Error when the lyric-area surface cannot
  // be cleared. Lines are rendered at the scale when first drawn; each call
  // renders at most one line ahead of need besides.
  void DrawLyrics(TDisplay& display, std::int32_t t);

  // The song time the first line after the intro line starts to be sung, or
  // the end of the introduction when no such line has timing; none without timing.
  static std::optional<std::int32_t> FirstSungStart(const TLyricSnapshot& snapshot);

  // The first entry with start <= t <= start + length, or -1.
  static int FindTimingEntry(const std::vector<TTimingEntry>& table, std::int32_t t);
  // How far into entry `e` time t is: 0..1 while it is sung. An entry of
  // length 0 counts as sung at its start, before it nothing, after it past 1.
  static float Fraction(const TTimingEntry& e, std::int32_t t);

  std::shared_ptr<const TLyricSnapshot> Snapshot() const;

 private:
  void AddLyricLine(std::vector<TLline>& lines, const std::string& text, const TLyricLook& look,
                    int pageFontHeight, int stringsCount) const;
  void Publish(std::shared_ptr<const TLyricSnapshot> snapshot);
  // Drawing thread: line i of `snapshot` rendered at `scale`.
  const TLline& Scaled(const TLyricSnapshot& snapshot, int i);

  struct ScaledLines {
    std::shared_ptr<const std::vector<TLline>> source;
    double scale = 0.0;
    std::vector<std::unique_ptr<TLline>> lines;
  };

  std::function<TLyricLook()> look_;
  std::unique_ptr<TSurface> lyricSurface_;  // drawing thread, after creation
  ScaledLines scaled_;                      // drawing thread
  mutable std::mutex snapshotMutex_;
  std::shared_ptr<const TLyricSnapshot> snapshot_;
};

}  // namespace lyrova
