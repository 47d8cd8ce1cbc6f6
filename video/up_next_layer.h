#pragma once
// TUpNextLayer: the singer queue on the singer's screen. Between songs a
// card over the film names who sings next and after, counts down to the
// start (or says it waits for the host) and shows the phone remote's
// address with its QR code; during a song a thin line at the top edge names
// the next singers. The window decides the words; this layer only draws
// them, rendered once per change and scale, blended per picture.

#include <QImage>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "display/surface.h"
#include "video/picture_scale.h"

namespace lyrova {

struct TUpNext {
  std::vector<std::string> lines;  // UTF-8; the first is the largest
  std::string status;              // the countdown, or that it waits
  std::string edge;                // the line shown during a song
  std::string address;             // the remote's address, or empty
  QImage code;                     // its QR code, one pixel a module
  bool operator==(const TUpNext&) const = default;
};

class TUpNextLayer {
 public:
  // The card's band in the 800 x 600 design.
  static constexpr int kCardTop = 250;
  static constexpr int kCardHeight = 300;
  static constexpr int kEdgeHeight = 26;

  // Main thread. An empty TUpNext draws nothing.
  void Set(TUpNext upNext);

  // Drawing thread: the card when `betweenSongs`, else the edge line.
  void Draw(TSurface& back, const TPictureScale& scale, bool betweenSongs);

 private:
  struct Rendered {
    std::shared_ptr<const TUpNext> content;
    double scale = 0.0;
    QImage card;
    QImage edge;
  };
  void Render(const TUpNext& content, const TPictureScale& scale);

  std::mutex mutex_;
  std::shared_ptr<const TUpNext> content_;
  Rendered rendered_;  // drawing thread
};

}  // namespace lyrova
