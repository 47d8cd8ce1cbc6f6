#include "app/window/timing_log.h"

#include <QEvent>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace lyrova {
namespace {

class TPaintWatch : public QObject {
 public:
  TPaintWatch(QObject* parent, std::function<int()> rows) : QObject(parent), rows_(std::move(rows)) {}

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      const int rows = rows_();
      if (rows != painted_) LogTiming("rows-painted", std::to_string(painted_ = rows));
    }
    return false;
  }

 private:
  std::function<int()> rows_;
  int painted_ = -1;
};

const char* LogPath() {
  static const char* const path = std::getenv("LYROVA_TIMING_LOG");
  return path != nullptr && *path != '\0' ? path : nullptr;
}

}  // namespace

void LogTiming(const std::string& event, const std::string& details) {
  const char* path = LogPath();
  if (path == nullptr) return;
  static std::mutex mutex;
  const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                      std::chrono::system_clock::now().time_since_epoch()).count();
  std::lock_guard lock(mutex);
  if (FILE* log = std::fopen(path, "a")) {
    std::fprintf(log, "%lld %s %s\n", static_cast<long long>(ns), event.c_str(), details.c_str());
    std::fclose(log);
  }
}

void LogPaintedRows(QWidget* view, std::function<int()> rows) {
  if (LogPath() == nullptr) return;
  view->installEventFilter(new TPaintWatch(view, std::move(rows)));
}

}  // namespace lyrova
