#include "remote/remote_state.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "session/singer_queue.h"

namespace lyrova {

namespace {

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

QByteArray SearchJson(const std::vector<TRemoteSong>& found, int page, int pageSize) {
  QJsonArray songs;
  const std::size_t first = static_cast<std::size_t>(page) * static_cast<std::size_t>(pageSize);
  for (std::size_t i = first; i < found.size() && i < first + static_cast<std::size_t>(pageSize); ++i)
    songs.append(QJsonObject{{"code", static_cast<qint64>(found[i].code)},
                             {"title", Text(found[i].title)},
                             {"singer", Text(found[i].singer)}});
  const QJsonObject root{{"total", static_cast<qint64>(found.size())},
                         {"page", page},
                         {"pageSize", pageSize},
                         {"songs", songs}};
  return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

QByteArray StateJson(const TSingerQueue& queue, const std::optional<TRemotePlaying>& playing) {
  QJsonArray turns;
  for (const TTurn& turn : queue.Upcoming())
    turns.append(QJsonObject{{"id", static_cast<qint64>(turn.entry->id)},
                             {"singer", Text(turn.entry->singer)},
                             {"title", Text(turn.entry->title)},
                             {"code", static_cast<qint64>(turn.entry->code)},
                             {"round", turn.round},
                             {"guest", Text(turn.entry->owner)}});
  QJsonArray singers;
  for (const TQueueSinger& s : queue.Singers())
    singers.append(QJsonObject{{"name", Text(s.name)}, {"held", s.held}, {"waiting", static_cast<int>(s.songs.size())}});
  QJsonValue now;
  if (playing) {
    QJsonObject p{{"code", static_cast<qint64>(playing->code)},
                  {"title", Text(playing->title)},
                  {"singer", Text(playing->singer)},
                  {"paused", playing->paused},
                  {"key", playing->key},
                  {"tempo", playing->tempo}};
    if (const TQueueEntry* entry = queue.Playing()) p.insert("id", static_cast<qint64>(entry->id));
    now = p;
  }
  const QJsonObject root{{"playing", now}, {"queue", turns}, {"singers", singers}};
  return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

}  // namespace lyrova
