#pragma once
// TQueueStore: the singer queue on disk, as readable JSON in the user's data
// folder ($XDG_DATA_HOME/lyrova, else ~/.local/share/lyrova). Every save
// replaces the file whole (written aside, then renamed over it) and then
// its second copy the same way, so at every moment at least one of the two
// is complete: a crash in the middle of a save, or a file cut short, never
// loses the queue.

#include <QString>
#include <optional>
#include <string>

#include "session/singer_queue.h"

namespace lyrova {

// The state as the file's text (readable JSON).
QByteArray QueueJson(const TSingerQueue::TState& state);

class TQueueStore {
 public:
  // `folder` without a final separator; created when first saved.
  explicit TQueueStore(QString folder);

  // The per-user folder, or empty when neither XDG_DATA_HOME (absolute) nor
  // HOME is set.
  static QString DataFolder();

  QString FileName() const;
  QString CopyName() const;

  // The queue last saved: the file, else its copy when the file cannot be
  // read whole; nothing when neither can (or neither exists).
  std::optional<TSingerQueue::TState> Load() const;
  // False when the folder or the files cannot be written.
  bool Save(const TSingerQueue::TState& state) const { return SaveJson(QueueJson(state)); }
  // The same with the file's text made already (QueueJson).
  bool SaveJson(const QByteArray& json) const;

 private:
  QString folder_;
};

// The state back from the file's text (nothing for a text that is not a
// whole queue file).
std::optional<TSingerQueue::TState> ParseQueueJson(const QByteArray& text);

// The history as CSV (UTF-8, RFC 4180 quoting): a header line, then time
// (local, yyyy-MM-dd HH:mm), singer, code (at least four digits), title.
QByteArray HistoryCsv(const std::vector<TSungSong>& history);

}  // namespace lyrova
