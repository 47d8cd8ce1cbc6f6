#include "resources/images/pictures.h"

#include <QDir>
#include <QHash>
#include <mutex>

// The resource initialiser lives in this static library; calling it keeps the
// linker from dropping the pictures. It must be called outside any namespace.
static void InitPictureResources() { Q_INIT_RESOURCE(images); }

namespace lyrova {
namespace {

// Upper-case name without extension -> resource path, built from what the
// resource file really holds so that no name can reach outside it.
const QHash<QString, QString>& PictureIndex() {
  static QHash<QString, QString> index;
  static std::once_flag once;
  std::call_once(once, [] {
    InitPictureResources();
    const QDir dir(QStringLiteral(":/images"));
    for (const QString& file : dir.entryList({QStringLiteral("*.bmp")}, QDir::Files))
      index.insert(file.section(u'.', 0, 0).toUpper(), dir.filePath(file));
  });
  return index;
}

}  // namespace

QImage LoadPicture(const QString& name) {
  const auto& index = PictureIndex();
  const auto it = index.find(name.toUpper());
  return it == index.end() ? QImage() : QImage(*it);
}

QIcon ProgramIcon() {
  PictureIndex();
  QIcon icon;
  for (int size : {32, 48, 256})
    icon.addFile(QStringLiteral(":/images/lyrova-%1.png").arg(size), QSize(size, size));
  return icon;
}

}  // namespace lyrova
