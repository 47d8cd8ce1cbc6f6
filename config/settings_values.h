#pragma once
// The settings the program keeps in memory: the lyric look and the film.
// The main thread reads and changes them; the clock thread reads them on
// every tick, so the numbers are atomics and the texts are copied out under
// a lock.
//
// Bounds: the number of lines and the font height are brought into the
// ranges the configuration dialog offers (2..6 lines, 20..120 pixels)
// whenever they are set, so that a hand-edited settings file can never hand
// the lyric page a zero to divide by or a font too large to draw. Colours are
// kept as read: every 32-bit value is a colour, and its low three bytes count.

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

namespace lyrova {

class SettingsValues {
 public:
  static constexpr int kMinStringsCount = 2;
  static constexpr int kMaxStringsCount = 6;
  static constexpr int kMinFontHeight = 20;
  static constexpr int kMaxFontHeight = 120;

  // Built-in values, in force until the settings file has been read.
  static constexpr char kDefaultFontName[] = "Arial";
  static constexpr std::int32_t kDefaultFontHeight = 72;
  static constexpr std::int32_t kDefaultFontColor1 = 16711680;  // blue
  static constexpr std::int32_t kDefaultFontColor2 = 16777215;  // white
  static constexpr std::int32_t kDefaultFontShadow = 0;         // black
  static constexpr std::int32_t kDefaultStringsCount = 4;

  static int ClampStringsCount(std::int32_t count);
  static int ClampFontHeight(std::int32_t height);

  // Face name of the lyric font (CP1251).
  std::string FontName() const;
  void SetFontName(std::string name);
  // Height of the lyric font in pixels.
  std::int32_t FontHeight() const { return fontHeight_; }
  void SetFontHeight(std::int32_t height) { fontHeight_ = ClampFontHeight(height); }
  // Colours in the 0x00BBGGRR layout: text not yet sung, the sung part, the shadow.
  std::int32_t FontColor1() const { return fontColor1_; }
  void SetFontColor1(std::int32_t colour) { fontColor1_ = colour; }
  std::int32_t FontColor2() const { return fontColor2_; }
  void SetFontColor2(std::int32_t colour) { fontColor2_ = colour; }
  std::int32_t FontShadow() const { return fontShadow_; }
  void SetFontShadow(std::int32_t colour) { fontShadow_ = colour; }
  // Lyric lines on screen at once.
  std::int32_t StringsCount() const { return stringsCount_; }
  void SetStringsCount(std::int32_t count) { stringsCount_ = ClampStringsCount(count); }
  // The background film's path as the file system spells it; empty at start.
  std::string VideoFileName() const;
  void SetVideoFileName(std::string path);

 private:
  mutable std::mutex textMutex_;
  std::string fontName_ = kDefaultFontName;
  std::string videoFileName_;
  std::atomic<std::int32_t> fontHeight_{kDefaultFontHeight};
  std::atomic<std::int32_t> fontColor1_{kDefaultFontColor1};
  std::atomic<std::int32_t> fontColor2_{kDefaultFontColor2};
  std::atomic<std::int32_t> fontShadow_{kDefaultFontShadow};
  std::atomic<std::int32_t> stringsCount_{kDefaultStringsCount};
};

// The program's one set of settings values.
SettingsValues& Settings();

}  // namespace lyrova
