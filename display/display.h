#pragma once
// TDisplay: the back buffer in which every frame is composed, at the size of
// the window's picture in device pixels, and the hand-over of finished
// frames to the window that shows them.
//
// Threads: the composing thread (the clock) owns the back buffer and calls
// ShowFrame; the window's thread calls FrameForPainting. Each of the three
// frame buffers belongs to one side at a time and changes hands under a mutex.

#include <QImage>
#include <functional>
#include <memory>
#include <mutex>

#include "display/result_codes.h"
#include "display/surface.h"

namespace lyrova {

class TDisplay {
 public:
  TDisplay() = default;
  TDisplay(const TDisplay&) = delete;
  TDisplay& operator=(const TDisplay&) = delete;

  // Makes the back buffer (width x height).
  // `presented` runs on the composing thread after each ShowFrame, e.g. to
  // post a repaint to the window; it may be empty. E_FAIL when the size is
  // below 1 or the buffers cannot be allocated.
  HResult OpenWindowed(std::function<void()> presented, int width, int height);

  // Composing thread: a new back buffer of another size, black; pictures
  // presented before keep their size until the next ShowFrame. E_POINTER
  // when the display is not open, E_FAIL when the size cannot be had.
  HResult Resize(int width, int height);

  // Fills the back buffer with a raw pixel value; E_POINTER without one.
  HResult FillBack(std::uint32_t pixel);

  // A new off-screen surface; E_POINTER on a display never opened,
  // E_INVALIDARG without a place for the result or for a size below 1.
  HResult NewSurface(std::unique_ptr<TSurface>* out, int width, int height);

  // Hands the back buffer's picture to the window; E_POINTER when the
  // display was never opened. The back buffer keeps its content.
  HResult ShowFrame();

  // The back buffer, or null when the display is not open.
  TSurface* BackBuffer() { return opened_ ? &back_ : nullptr; }

  int Width() const { return width_; }
  int Height() const { return height_; }

  // Window thread: the newest presented picture; valid until the next call.
  const QImage& FrameForPainting();
  // Any thread: a copy of the newest presented picture (null before the first).
  QImage LastFrame() const;

  void ReleaseAll();

 private:
  bool opened_ = false;
  int width_ = 0;
  int height_ = 0;
  std::function<void()> presented_;
  TSurface back_;
  QImage spare_;  // composing thread

  mutable std::mutex handOver_;
  QImage ready_;  // newest presented, not yet taken by the window
  bool readyFresh_ = false;
  bool anyPresented_ = false;
  QImage front_;  // window thread
};

}  // namespace lyrova
