#include "tools/artwork/bmp_writer.h"

#include <QSaveFile>
#include <QtEndian>

namespace lyrova::artwork {
namespace {

void Put16(QByteArray& out, int offset, quint16 v) { qToLittleEndian(v, out.data() + offset); }
void Put32(QByteArray& out, int offset, quint32 v) { qToLittleEndian(v, out.data() + offset); }

}  // namespace

QByteArray EncodeBmp24(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  const int w = rgb.width();
  const int h = rgb.height();
  const int stride = (w * 3 + 3) & ~3;  // rows are padded to four bytes
  constexpr int kHeaderSize = 14 + 40;
  QByteArray out(kHeaderSize + stride * h, '\0');

  out[0] = 'B';
  out[1] = 'M';
  Put32(out, 2, out.size());
  Put32(out, 10, kHeaderSize);
  Put32(out, 14, 40);
  Put32(out, 18, w);
  Put32(out, 22, h);  // positive height: rows stored bottom-up
  Put16(out, 26, 1);
  Put16(out, 28, 24);
  Put32(out, 30, 0);  // BI_RGB, no compression
  Put32(out, 34, stride * h);
  Put32(out, 38, 3780);  // 96 dots per inch
  Put32(out, 42, 3780);

  for (int y = 0; y < h; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    char* dst = out.data() + kHeaderSize + (h - 1 - y) * stride;
    for (int x = 0; x < w; ++x) {
      *dst++ = static_cast<char>(qBlue(line[x]));
      *dst++ = static_cast<char>(qGreen(line[x]));
      *dst++ = static_cast<char>(qRed(line[x]));
    }
  }
  return out;
}

bool WriteBmp24(const QImage& image, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(EncodeBmp24(image)) < 0) return false;
  return file.commit();
}

}  // namespace lyrova::artwork
