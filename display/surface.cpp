#include "display/surface.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

namespace lyrova {

HResult TSurface::Build(int width, int height) {
  if (width < 1 || height < 1) return E_INVALIDARG;
  QImage image(width, height, QImage::Format_RGB32);
  if (image.isNull()) return E_OUTOFMEMORY;
  image_ = std::move(image);
  return S_OK;
}

std::uint32_t TSurface::PixelOfColor(ColorRef colour) const {
  if (image_.isNull()) return 0;
  if (colour == kClrInvalid) {
    return reinterpret_cast<const std::uint32_t*>(image_.constScanLine(0))[0] & ~kOpaque;
  }
  const std::uint32_t r = colour & 0xFF;
  const std::uint32_t g = (colour >> 8) & 0xFF;
  const std::uint32_t b = (colour >> 16) & 0xFF;
  return (r << 16) | (g << 8) | b;
}

HResult TSurface::SetSourceKey(ColorRef colour) {
  if (image_.isNull()) return E_POINTER;
  key_ = PixelOfColor(colour);
  return S_OK;
}

HResult TSurface::PaintBitmap(const QImage* bitmap, int x, int y, int w, int h) {
  if (bitmap == nullptr || bitmap->isNull() || image_.isNull()) return E_INVALIDARG;
  if (w == 0) w = bitmap->width();
  if (h == 0) h = bitmap->height();
  const QRect source(x, y, w, h);
  // A film frame already at the surface's size and format is copied row by row.
  if (source == image_.rect() && bitmap->format() == image_.format()) {
    const auto rowBytes = static_cast<std::size_t>(image_.width()) * 4;
    for (int row = 0; row < image_.height(); ++row) {
      std::memcpy(image_.scanLine(row), bitmap->constScanLine(row), rowBytes);
    }
    return S_OK;
  }
  QPainter painter(&image_);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(image_.rect(), *bitmap, source);
  return S_OK;
}

HResult TSurface::Fill(std::uint32_t pixel) {
  if (image_.isNull()) return E_POINTER;
  image_.fill(pixel | kOpaque);
  return S_OK;
}

}  // namespace lyrova
