#pragma once
// Where the singer's window opens: where the user left it (screen, place,
// size, maximised or full screen) when that screen is still there; else, the
// first time, on a screen of its own when there are two, or beside the main
// window on one screen, never covering the main window whole.

#include <QRect>
#include <optional>
#include <string>
#include <vector>

namespace lyrova {

class TIniFile;

struct TScreenArea {
  std::string name;
  QRect available;  // desktop coordinates, without panels and docks
};

enum class TVideoState { Normal = 0, Maximised = 1, FullScreen = 2 };

struct TVideoPlacement {
  std::string screen;  // the screen's name
  QRect geometry;      // the window's place and size out of full screen and maximised
  TVideoState state = TVideoState::Normal;
  bool operator==(const TVideoPlacement&) const = default;
};

// The smallest window the first placement offers beside the main window.
inline constexpr int kMinBesideWidth = 240;

// `screens` is never empty in use (an empty list keeps `design` at 0, 0);
// `mainWindow` is the main window's frame; `design` the window's designed size.
TVideoPlacement PlaceVideoWindow(const std::vector<TScreenArea>& screens, const QRect& mainWindow,
                                 const std::optional<TVideoPlacement>& saved,
                                 QSize design = QSize(800, 600));

// The [Video] keys of the settings file; none when the window was never
// placed (the keys missing or its size not positive).
std::optional<TVideoPlacement> ReadVideoPlacement(const TIniFile& ini);
// Throws lyrova::Error when the file cannot be written.
void WriteVideoPlacement(TIniFile& ini, const TVideoPlacement& placement);

}  // namespace lyrova
