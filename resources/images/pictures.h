#pragma once
// The program's own pictures: the picture-button bitmaps (ADD1, ADD2, ...),
// the video window's ON and OFF bitmaps and the program icon.

#include <QIcon>
#include <QImage>
#include <QString>

namespace lyrova {

// The picture of that name, whatever its letter case ("add1" finds ADD1);
// a null image when the program has no such picture.
QImage LoadPicture(const QString& name);

// The program icon in every size it comes in.
QIcon ProgramIcon();

}  // namespace lyrova
