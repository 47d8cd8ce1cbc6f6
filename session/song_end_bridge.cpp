#include "session/song_end_bridge.h"

#include <QCoreApplication>
#include <QThread>

#include "session/window_messages.h"

namespace lyrova {

void TSongEndBridge::WMSongEnd(std::uint32_t serial) {
  if (QThread::currentThread() == window_->thread()) {
    {
      std::lock_guard lock(mutex_);
      if (closing_) return;
      ++posted_;
    }
    TMessageEvent event(TMessage::SongEnd, static_cast<std::int32_t>(serial));
    QCoreApplication::sendEvent(window_, &event);
    return;
  }
  std::unique_lock lock(mutex_);
  if (closing_) return;
  const std::uint64_t ticket = ++posted_;
  QCoreApplication::postEvent(window_, new TMessageEvent(TMessage::SongEnd, static_cast<std::int32_t>(serial)));
  handledCv_.wait(lock, [&] { return closing_ || handled_ >= ticket; });
}

void TSongEndBridge::Handled() {
  std::lock_guard lock(mutex_);
  // An end that no thread handed over waits for nothing and settles nothing.
  if (handled_ < posted_) ++handled_;
  handledCv_.notify_all();
}

void TSongEndBridge::Close() {
  std::lock_guard lock(mutex_);
  closing_ = true;
  handledCv_.notify_all();
}

}  // namespace lyrova
