#include "remote/qr_code.h"

#include <qrencode.h>

#include <memory>

namespace lyrova {

QImage QrCode(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
      QRcode_encodeString8bit(bytes.constData(), 0, QR_ECLEVEL_M), &QRcode_free);
  if (!code) return {};
  constexpr int kQuiet = 4;
  const int side = code->width + 2 * kQuiet;
  QImage image(side, side, QImage::Format_Grayscale8);
  image.fill(255);
  for (int y = 0; y < code->width; ++y)
    for (int x = 0; x < code->width; ++x)
      if (code->data[y * code->width + x] & 1) image.setPixel(x + kQuiet, y + kQuiet, qRgb(0, 0, 0));
  return image;
}

}  // namespace lyrova
