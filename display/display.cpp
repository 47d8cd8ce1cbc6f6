#include "display/display.h"

#include <cstring>
#include <utility>

namespace lyrova {

HResult TDisplay::OpenWindowed(std::function<void()> presented, int width, int height) {
  ReleaseAll();
  if (back_.Build(width, height) != S_OK) return E_FAIL;
  spare_ = QImage(width, height, QImage::Format_RGB32);
  QImage ready(width, height, QImage::Format_RGB32);
  QImage front(width, height, QImage::Format_RGB32);
  if (spare_.isNull() || ready.isNull() || front.isNull()) {
    ReleaseAll();
    return E_FAIL;
  }
  ready.fill(kOpaque);
  front.fill(kOpaque);
  {
    std::lock_guard lock(handOver_);
    ready_ = std::move(ready);
    front_ = std::move(front);
    readyFresh_ = false;
    anyPresented_ = false;
  }
  presented_ = std::move(presented);
  width_ = width;
  height_ = height;
  opened_ = true;
  return S_OK;
}

HResult TDisplay::Resize(int width, int height) {
  if (!opened_) return E_POINTER;
  if (width == width_ && height == height_) return S_OK;
  TSurface back;
  if (back.Build(width, height) != S_OK) return E_FAIL;
  QImage spare(width, height, QImage::Format_RGB32);
  if (spare.isNull()) return E_FAIL;
  back_ = std::move(back);
  back_.Fill(0);
  spare_ = std::move(spare);
  width_ = width;
  height_ = height;
  return S_OK;
}

HResult TDisplay::FillBack(std::uint32_t pixel) {
  if (!opened_) return E_POINTER;
  return back_.Fill(pixel);
}

HResult TDisplay::NewSurface(std::unique_ptr<TSurface>* out, int width, int height) {
  if (!opened_) return E_POINTER;
  if (out == nullptr) return E_INVALIDARG;
  auto surface = std::make_unique<TSurface>();
  const HResult hr = surface->Build(width, height);
  if (hr != S_OK) {
    out->reset();
    return hr;
  }
  *out = std::move(surface);
  return S_OK;
}

HResult TDisplay::ShowFrame() {
  if (!opened_) return E_POINTER;
  // The buffer handed back by the window may still have the size before a resize.
  if (spare_.size() != back_.Image().size()) spare_ = QImage(back_.Image().size(), QImage::Format_RGB32);
  if (spare_.isNull()) return E_OUTOFMEMORY;
  std::memcpy(spare_.bits(), back_.Image().constBits(),
              static_cast<std::size_t>(back_.Image().sizeInBytes()));
  {
    std::lock_guard lock(handOver_);
    std::swap(spare_, ready_);
    readyFresh_ = true;
    anyPresented_ = true;
  }
  if (presented_) presented_();
  return S_OK;
}

const QImage& TDisplay::FrameForPainting() {
  std::lock_guard lock(handOver_);
  if (readyFresh_) {
    std::swap(front_, ready_);
    readyFresh_ = false;
  }
  return front_;
}

QImage TDisplay::LastFrame() const {
  std::lock_guard lock(handOver_);
  if (!anyPresented_) return {};
  return (readyFresh_ ? ready_ : front_).copy();
}

void TDisplay::ReleaseAll() {
  opened_ = false;
  width_ = 0;
  height_ = 0;
  presented_ = nullptr;
  back_ = TSurface();
  spare_ = QImage();
  std::lock_guard lock(handOver_);
  ready_ = QImage();
  front_ = QImage();
  readyFresh_ = false;
  anyPresented_ = false;
}

}  // namespace lyrova
