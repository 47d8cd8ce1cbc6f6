#pragma once
// The private messages of playing (play, stop, a song's end, the three
// controls) as Qt events, posted to the session. Each keeps its historical
// number (WM_USER + n), which Qt accepts as a user event type.

#include <QEvent>
#include <cstdint>

namespace lyrova {

inline constexpr int kWmUser = 1024;

// WMBadVidFile comes from the singer's window as its own event type.
enum class TMessage : int {
  PlaySong = kWmUser + 64,   // 1088, wParam = song code
  StopSong = kWmUser + 65,   // 1089
  SongEnd = kWmUser + 66,    // 1090, sent by the end-of-song thread
  Pitch = kWmUser + 67,      // 1091, wParam = semitones
  Tempo = kWmUser + 68,      // 1092, wParam = tempo step
  Volume = kWmUser + 69,     // 1093, wParam = volume position
};

class TMessageEvent : public QEvent {
 public:
  TMessageEvent(TMessage message, std::int32_t wParam)
      : QEvent(static_cast<QEvent::Type>(message)), wParam_(wParam) {}

  TMessage Message() const { return static_cast<TMessage>(type()); }
  std::int32_t WParam() const { return wParam_; }

 private:
  std::int32_t wParam_;
};

// Reserves the numbers with Qt so no other part of the program is handed one
// of them; returns false when one was already taken.
bool RegisterWindowMessages();

}  // namespace lyrova
