#include "session/window_messages.h"

namespace lyrova {

bool RegisterWindowMessages() {
  static const bool registered = [] {
    bool all = true;
    for (TMessage m : {TMessage::PlaySong, TMessage::StopSong, TMessage::SongEnd,
                       TMessage::Pitch, TMessage::Tempo, TMessage::Volume}) {
      const int number = static_cast<int>(m);
      all = QEvent::registerEventType(number) == number && all;
    }
    return all;
  }();
  return registered;
}

}  // namespace lyrova
