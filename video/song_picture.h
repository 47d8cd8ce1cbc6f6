#pragma once
// A recorded song's own picture on the singer's screen, in place of the
// film and at the song time: the CD+G graphics scaled sharp (whole pixels
// where they nearly fill the screen, else the nearest) with the border
// colour around them, or the song's video letterboxed, never cut.

#include <QImage>
#include <QSize>
#include <cstdint>
#include <memory>

#include "catalog/song_kind.h"

namespace lyrova {

class TSongPicture {
 public:
  virtual ~TSongPicture() = default;
  // Opens the picture of the files (a CDG, loose or zipped, or a video).
  // Throws lyrova::Error saying why (CP1251).
  static std::unique_ptr<TSongPicture> Open(const TRecordedFiles& files);

  // Composing thread: the picture at `us` of the recording, at `size`.
  // With `wait` every frame due is decoded first (offline rendering). The
  // image stays valid until the next call.
  virtual const QImage& At(std::int64_t us, QSize size, bool wait) = 0;
};

// Where a picture of `picture` pixels stands, centred in `screen`: by the
// largest whole factor when that fills at least 90 % of what keeping the
// shape allows, else as large as the shape allows.
QRect SharpPlacement(QSize picture, QSize screen);

}  // namespace lyrova
