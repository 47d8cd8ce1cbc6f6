#include "video/video_placement.h"

#include <algorithm>

#include "config/ini_file.h"
#include "config/settings.h"

namespace lyrova {
namespace {

namespace keys = settings_keys;

// The largest size of the design's shape, at most the design, inside `room`.
QSize FitDesign(QSize room, QSize design) {
  if (room.width() <= 0 || room.height() <= 0) return {0, 0};
  int w = std::min(design.width(), room.width());
  int h = w * design.height() / design.width();
  if (h > room.height()) {
    h = room.height();
    w = h * design.width() / design.height();
  }
  return {w, h};
}

// `r` moved (and shrunk when it must) so that it lies inside `area`.
QRect KeepInside(QRect r, const QRect& area) {
  r.setWidth(std::min(r.width(), area.width()));
  r.setHeight(std::min(r.height(), area.height()));
  r.moveLeft(std::clamp(r.left(), area.left(), area.right() - r.width() + 1));
  r.moveTop(std::clamp(r.top(), area.top(), area.bottom() - r.height() + 1));
  return r;
}

int ScreenOf(const std::vector<TScreenArea>& screens, const QPoint& point) {
  for (std::size_t i = 0; i < screens.size(); ++i) {
    if (screens[i].available.contains(point)) return static_cast<int>(i);
  }
  return 0;
}

// One screen: the free side of the main window with the most room, or when
// none has room enough, half the screen on the side away from the main
// window's centre, so that its centre always stays in sight.
QRect BesideMainWindow(const QRect& area, const QRect& main, QSize design) {
  const QRect m = main.intersected(area);
  const QRect sides[] = {
      QRect(QPoint(m.right() + 1, area.top()), area.bottomRight()),
      QRect(area.topLeft(), QPoint(m.left() - 1, area.bottom())),
      QRect(QPoint(area.left(), m.bottom() + 1), area.bottomRight()),
      QRect(area.topLeft(), QPoint(area.right(), m.top() - 1)),
  };
  QRect best;
  for (int i = 0; i < 4; ++i) {
    const QRect& side = sides[i];
    const QSize size = FitDesign(side.size(), design);
    if (size.width() <= best.width()) continue;
    QRect r(QPoint(0, 0), size);
    // Against the main window, level with its top or its left edge.
    if (i == 0) r.moveTopLeft({side.left(), m.top()});
    if (i == 1) r.moveTopLeft({side.right() - size.width() + 1, m.top()});
    if (i == 2) r.moveTopLeft({m.left(), side.top()});
    if (i == 3) r.moveTopLeft({m.left(), side.bottom() - size.height() + 1});
    best = KeepInside(r, side);
  }
  if (best.width() >= std::min(kMinBesideWidth, design.width())) return best;
  const QPoint c = main.center();
  const bool left = c.x() >= area.center().x();
  // Up to the column before the main window's centre.
  const int room = left ? c.x() - area.left() : area.right() - c.x();
  const QSize size = FitDesign(QSize(room, area.height()), design);
  QRect r(QPoint(0, 0), size);
  r.moveLeft(left ? area.left() : area.right() - size.width() + 1);
  r.moveTop(c.y() >= area.center().y() ? area.top() : area.bottom() - size.height() + 1);
  return r;
}

}  // namespace

TVideoPlacement PlaceVideoWindow(const std::vector<TScreenArea>& screens, const QRect& mainWindow,
                                 const std::optional<TVideoPlacement>& saved, QSize design) {
  if (screens.empty()) return {"", QRect(QPoint(0, 0), design), TVideoState::Normal};
  if (saved) {
    for (const TScreenArea& screen : screens) {
      if (screen.name != saved->screen) continue;
      return {screen.name, KeepInside(saved->geometry, screen.available), saved->state};
    }
  }
  const int mainScreen = ScreenOf(screens, mainWindow.center());
  if (screens.size() > 1) {
    const TScreenArea& other = screens[mainScreen == 0 ? 1 : 0];
    QRect r(QPoint(0, 0), FitDesign(other.available.size(), design));
    r.moveCenter(other.available.center());
    return {other.name, r, TVideoState::Normal};
  }
  const TScreenArea& only = screens[static_cast<std::size_t>(mainScreen)];
  return {only.name, BesideMainWindow(only.available, mainWindow, design), TVideoState::Normal};
}

std::optional<TVideoPlacement> ReadVideoPlacement(const TIniFile& ini) {
  TVideoPlacement p;
  p.screen = ini.ReadString(keys::kVideo, keys::kVideoScreen, "");
  p.geometry = QRect(ini.ReadInteger(keys::kVideo, keys::kVideoLeft, 0),
                     ini.ReadInteger(keys::kVideo, keys::kVideoTop, 0),
                     ini.ReadInteger(keys::kVideo, keys::kVideoWidth, 0),
                     ini.ReadInteger(keys::kVideo, keys::kVideoHeight, 0));
  const int state = ini.ReadInteger(keys::kVideo, keys::kVideoState, 0);
  p.state = state == 1 ? TVideoState::Maximised
                       : (state == 2 ? TVideoState::FullScreen : TVideoState::Normal);
  if (p.geometry.width() <= 0 || p.geometry.height() <= 0) return std::nullopt;
  return p;
}

void WriteVideoPlacement(TIniFile& ini, const TVideoPlacement& p) {
  ini.WriteString(keys::kVideo, keys::kVideoScreen, p.screen);
  ini.WriteInteger(keys::kVideo, keys::kVideoLeft, p.geometry.left());
  ini.WriteInteger(keys::kVideo, keys::kVideoTop, p.geometry.top());
  ini.WriteInteger(keys::kVideo, keys::kVideoWidth, p.geometry.width());
  ini.WriteInteger(keys::kVideo, keys::kVideoHeight, p.geometry.height());
  ini.WriteInteger(keys::kVideo, keys::kVideoState, static_cast<int>(p.state));
}

}  // namespace lyrova
