#include <functional>

#include "tools/artwork/button_body.h"
#include "tools/artwork/glyphs.h"
#include "tools/artwork/pictures.h"

namespace lyrova::artwork {
namespace {

using Glyph = std::function<void(QImage&, const QRectF&, Look)>;

struct Button {
  const char* name;
  int width;
  int height;
  bool round;
  Glyph glyph;
};

Glyph Word(const char* word) {
  return [word](QImage& picture, const QRectF& face, Look look) {
    DrawWord(picture, face, QString::fromLatin1(word), look);
  };
}

QImage Draw(const Button& button, Look look) {
  QImage picture = BlankPicture(button.width, button.height);
  const QPainterPath outline =
      button.round ? RoundOutline(button.width) : OvalOutline(button.width, button.height);
  const QPainterPath face = DrawBody(picture, outline, look);
  button.glyph(picture, face.boundingRect(), look);
  return picture;
}

}  // namespace

std::vector<NamedPicture> ButtonPictures() {
  const Button buttons[] = {
      {"ADD", 50, 50, true, DrawArrowRight},
      {"CLEAR", 50, 50, true, DrawCross},
      {"RELOAD", 50, 50, true, DrawCurvedArrow},
      {"SEARCH", 30, 30, true, DrawTick},
      {"SAVE", 87, 50, false, Word("Save")},
      {"LOAD", 87, 50, false, Word("Load")},
      {"STOP", 87, 50, false, Word("Stop")},
      {"PAUSE", 87, 50, false, Word("Pause")},
      {"VIDEO", 87, 50, false, Word("Video")},
      {"CONFIG", 87, 50, false, DrawBolt},
  };
  std::vector<NamedPicture> pictures;
  for (const Button& button : buttons) {
    const QString name = QString::fromLatin1(button.name);
    pictures.push_back({name + u'1', Draw(button, Look::Resting)});
    pictures.push_back({name + u'2', Draw(button, Look::Pressed)});
  }
  return pictures;
}

}  // namespace lyrova::artwork
