#pragma once
// Every picture the program carries, by the name it is stored under.

#include <QImage>
#include <QString>
#include <vector>

namespace lyrova::artwork {

struct NamedPicture {
  QString name;  // file name without extension
  QImage image;
};

// The eighteen picture-button bitmaps: resting (…1) and pressed (…2).
std::vector<NamedPicture> ButtonPictures();

// The video window's ON and OFF bitmaps, 100 × 100.
std::vector<NamedPicture> IndicatorPictures();

// The program icon, square, with transparency.
QImage ProgramIcon(int size);

}  // namespace lyrova::artwork
