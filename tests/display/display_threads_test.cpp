#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "display/display.h"

namespace lyrova {
namespace {

// One thread composes uniform frames and presents them while another takes
// them for painting: every frame the painter sees is whole, never torn.
TEST(DisplayThreads, PresentedFramesAreNeverTorn) {
  TDisplay display;
  std::atomic<int> presented{0};
  ASSERT_EQ(display.OpenWindowed([&] { presented.fetch_add(1, std::memory_order_relaxed); }, 320, 240), S_OK);
  std::atomic<bool> done{false};
  std::atomic<bool> painting{false};
  std::thread composer([&] {
    // Start once the painter runs, so the two really overlap.
    while (!painting) std::this_thread::yield();
    for (std::uint32_t i = 1; i <= 400; ++i) {
      display.FillBack(i * 0x010203u);
      display.ShowFrame();
    }
    done = true;
  });
  int torn = 0;
  int seen = 0;
  painting = true;
  do {
    const QImage& frame = display.FrameForPainting();
    const QRgb first = frame.pixel(0, 0);
    if (frame.pixel(319, 239) != first || frame.pixel(160, 120) != first) ++torn;
    const QImage copy = display.LastFrame();
    if (!copy.isNull() && copy.pixel(0, 0) != copy.pixel(319, 239)) ++torn;
    ++seen;
  } while (!done);
  composer.join();
  EXPECT_EQ(torn, 0);
  EXPECT_GT(seen, 0);
  EXPECT_EQ(presented.load(), 400);
  EXPECT_EQ(display.FrameForPainting().pixel(7, 7) & 0xFFFFFF, (400u * 0x010203u) & 0xFFFFFF);
}

}  // namespace
}  // namespace lyrova
