#pragma once
// Writes images as uncompressed 24-bit Windows bitmaps, the format the
// program's button pictures are kept in.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace lyrova::artwork {

QByteArray EncodeBmp24(const QImage& image);
// False when the file cannot be written.
bool WriteBmp24(const QImage& image, const QString& path);

}  // namespace lyrova::artwork
