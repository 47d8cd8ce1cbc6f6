#pragma once
// Records the private messages that reach a window and keeps them from its
// handlers, so a test sees what would have been played or set.

#include <QObject>
#include <functional>
#include <set>
#include <utility>
#include <vector>

#include "session/window_messages.h"

namespace lyrova::test {

class TMessageRecorder : public QObject {
 public:
  TMessageRecorder(QObject* window, std::set<TMessage> caught) : caught_(std::move(caught)) {
    window->installEventFilter(this);
  }

  std::vector<std::pair<TMessage, int>> messages;
  // Called for each message kept from the window.
  std::function<void(TMessage, int)> onCaught;

  std::vector<int> WParams(TMessage message) const {
    std::vector<int> values;
    for (const auto& [m, w] : messages)
      if (m == message) values.push_back(w);
    return values;
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    const auto message = static_cast<TMessage>(event->type());
    if (!caught_.count(message)) return false;
    messages.emplace_back(message, static_cast<TMessageEvent*>(event)->WParam());
    if (onCaught) onCaught(message, messages.back().second);
    return true;
  }

 private:
  std::set<TMessage> caught_;
};

}  // namespace lyrova::test
