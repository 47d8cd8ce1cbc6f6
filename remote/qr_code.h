#pragma once
// The remote's address as a QR code, for a phone's camera.

#include <QImage>
#include <QString>

namespace lyrova {

// Black modules on white with the quiet zone around, one pixel a module
// (scale it without smoothing); a null image when the text cannot be coded.
QImage QrCode(const QString& text);

}  // namespace lyrova
