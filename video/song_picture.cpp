#include "video/song_picture.h"

#include <QPainter>
#include <algorithm>

#include "catalog/errors.h"
#include "catalog/song_image.h"
#include "media/cdg_picture.h"
#include "media/zip_archive.h"
#include "video/film_player.h"

namespace lyrova {
namespace {

class TCdgLayer : public TSongPicture {
 public:
  explicit TCdgLayer(SharedBytes bytes) : cdg_(std::move(bytes)) {}

  const QImage& At(std::int64_t us, QSize size, bool) override {
    const QImage& picture = cdg_.At(us);
    if (!cdg_.Changed() && size == screen_.size()) return screen_;
    if (size != screen_.size()) screen_ = QImage(size, QImage::Format_RGB32);
    screen_.fill(cdg_.Border());
    const QRect place = SharpPlacement(picture.size(), size);
    QPainter painter(&screen_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(place, picture);
    return screen_;
  }

 private:
  TCdgPicture cdg_;
  QImage screen_;
};

class TVideoLayer : public TSongPicture {
 public:
  explicit TVideoLayer(const std::string& path) : film_(path, QSize()) {}

  const QImage& At(std::int64_t us, QSize size, bool wait) override {
    if (size != screen_.size()) {
      screen_ = QImage(size, QImage::Format_RGB32);
      place_ = QRect(QPoint(), film_.FilmSize().scaled(size, Qt::KeepAspectRatio));
      place_.moveCenter(QRect(QPoint(), size).center());
      // Decoded at the size it is shown, so a tick only copies.
      film_.SetOutputSize(place_.size());
    }
    const QImage* frame = film_.FrameAt(us, wait);
    screen_.fill(Qt::black);
    QPainter painter(&screen_);
    painter.drawImage(place_, *frame);
    return screen_;
  }

 private:
  TFilmPlayer film_;
  QImage screen_;
  QRect place_;
};

SharedBytes FileBytes(const std::string& path) {
  const std::string bytes = SongImage::ReadWholeFile(path);
  return std::make_shared<const std::vector<std::uint8_t>>(bytes.begin(), bytes.end());
}

}  // namespace

QRect SharpPlacement(QSize picture, QSize screen) {
  const QSize fit = picture.scaled(screen, Qt::KeepAspectRatio);
  const int whole = std::min(screen.width() / picture.width(), screen.height() / picture.height());
  QSize size = fit;
  if (whole >= 1 && picture.width() * whole * 10 >= fit.width() * 9) size = picture * whole;
  QRect place(QPoint(), size);
  place.moveCenter(QRect(QPoint(), screen).center());
  return place;
}

std::unique_ptr<TSongPicture> TSongPicture::Open(const TRecordedFiles& files) {
  try {
    if (files.kind == SongKind::Video) return std::make_unique<TVideoLayer>(files.sound);
    const SharedBytes cdg = files.cdgMember.empty() ? FileBytes(files.cdg)
                                                    : TZipArchive::OpenFile(files.sound).Read(files.cdgMember);
    return std::make_unique<TCdgLayer>(cdg);
  } catch (const Error& e) {
    throw Error(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "The song's picture does not open: %1"), {e.Text()}));
  }
}

}  // namespace lyrova
