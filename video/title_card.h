#pragma once
// TTitleCard: the song's title, singer and code in the upper part of the
// picture while the song's introduction plays; it fades out as the first
// line is sung.

#include <QImage>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "display/surface.h"
#include "video/picture_scale.h"

namespace lyrova {

struct TSongTitle {
  std::uint32_t code = 0;
  std::string name;    // UTF-8
  std::string singer;  // UTF-8
  bool operator==(const TSongTitle&) const = default;
};

// What the card is drawn with: the lyric font and its sung and shadow colours.
struct TTitleLook {
  std::string fontName = "Arial";  // CP1251
  ColorRef text = 0xFFFFFF;
  ColorRef shadow = 0;
  bool operator==(const TTitleLook&) const = default;
};

class TTitleCard {
 public:
  // Song time over which the card fades out: one quarter note.
  static constexpr std::int32_t kFadeLength = 768;
  // The card's band in the 800 x 600 design.
  static constexpr int kTop = 40;
  static constexpr int kHeight = 190;

  // Main thread, when a song starts.
  void Set(const TSongTitle& title);

  // How strongly the card shows at song time t (0: no song) when the first
  // line is sung from `firstSung` on: 1 before, fading to 0 over kFadeLength.
  static float Opacity(std::int32_t t, std::optional<std::int32_t> firstSung);

  // Drawing thread: the card over `back` with `opacity` (0 draws nothing),
  // rendered once per song, look and scale.
  void Draw(TSurface& back, const TPictureScale& scale, const TTitleLook& look, float opacity);

 private:
  struct Rendered {
    std::shared_ptr<const TSongTitle> title;
    TTitleLook look;
    double scale = 0.0;
    // Each line's ink alone, with its place inside the card's band: the
    // empty rows between the lines cost nothing to draw.
    std::vector<std::pair<QImage, QPoint>> lines;
  };
  void Render(const TSongTitle& title, const TPictureScale& scale, const TTitleLook& look);

  mutable std::mutex mutex_;
  std::shared_ptr<const TSongTitle> title_;
  Rendered rendered_;  // drawing thread
};

}  // namespace lyrova
