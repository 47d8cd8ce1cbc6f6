#include "session/queue_store.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace lyrova {

namespace {

constexpr char kFormat[] = "lyrova-queue";
constexpr int kVersion = 1;
constexpr qint64 kLargestFile = 16 * 1024 * 1024;

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }
std::string Utf8(const QJsonValue& v) { return v.toString().toStdString(); }

QJsonValue Optional(const std::optional<int>& v) { return v ? QJsonValue(*v) : QJsonValue(); }
std::optional<int> OptionalInt(const QJsonValue& v) {
  if (!v.isDouble()) return std::nullopt;
  return v.toInt();
}

QJsonObject EntryJson(const TQueueEntry& e) {
  return {{"id", static_cast<qint64>(e.id)}, {"code", static_cast<qint64>(e.code)}, {"file", Text(e.libraryFile)},
          {"title", Text(e.title)},         {"key", Optional(e.key)},                {"tempo", Optional(e.tempo)},
          {"owner", Text(e.owner)}};
}

std::optional<TQueueEntry> EntryOf(const QJsonValue& v) {
  const QJsonObject o = v.toObject();
  if (!o.value("id").isDouble() || !o.value("code").isDouble()) return std::nullopt;
  const qint64 id = o.value("id").toInteger(-1);
  const qint64 code = o.value("code").toInteger(-1);
  if (id <= 0 || code < 0 || code > 0xFFFFFFFFLL) return std::nullopt;
  TQueueEntry e;
  e.id = static_cast<std::uint64_t>(id);
  e.code = static_cast<std::uint32_t>(code);
  e.libraryFile = Utf8(o.value("file"));
  e.title = Utf8(o.value("title"));
  e.key = OptionalInt(o.value("key"));
  e.tempo = OptionalInt(o.value("tempo"));
  e.owner = Utf8(o.value("owner"));
  return e;
}

bool WriteWhole(const QString& name, const QByteArray& bytes) {
  QSaveFile file(name);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

std::optional<TSingerQueue::TState> ReadState(const QString& name) {
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestFile) return std::nullopt;
  return ParseQueueJson(file.readAll());
}

QString CsvField(const QString& text) {
  if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
      !text.contains(QLatin1Char('\r')))
    return text;
  QString quoted = text;
  quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

}  // namespace

QByteArray QueueJson(const TSingerQueue::TState& state) {
  QJsonArray singers;
  for (const TQueueSinger& s : state.singers) {
    QJsonArray songs;
    for (const TQueueEntry& e : s.songs) songs.append(EntryJson(e));
    singers.append(QJsonObject{{"name", Text(s.name)}, {"held", s.held}, {"lastRound", s.lastRound}, {"songs", songs}});
  }
  QJsonArray history;
  for (const TSungSong& h : state.history)
    history.append(QJsonObject{{"at", static_cast<qint64>(h.at)},
                               {"singer", Text(h.singer)},
                               {"code", static_cast<qint64>(h.code)},
                               {"title", Text(h.title)}});
  const QJsonObject root{{"format", kFormat},
                         {"version", kVersion},
                         {"round", state.round},
                         {"nextId", static_cast<qint64>(state.nextId)},
                         {"singers", singers},
                         {"history", history}};
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<TSingerQueue::TState> ParseQueueJson(const QByteArray& text) {
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(text, &error);
  if (error.error != QJsonParseError::NoError || !doc.isObject()) return std::nullopt;
  const QJsonObject root = doc.object();
  if (root.value("format").toString() != QLatin1String(kFormat) || root.value("version").toInt() != kVersion ||
      !root.value("singers").isArray() || !root.value("nextId").isDouble())
    return std::nullopt;
  TSingerQueue::TState state;
  state.round = root.value("round").toInt(1);
  const qint64 nextId = root.value("nextId").toInteger(0);
  if (nextId <= 0) return std::nullopt;
  state.nextId = static_cast<std::uint64_t>(nextId);
  for (const QJsonValue& sv : root.value("singers").toArray()) {
    const QJsonObject so = sv.toObject();
    TQueueSinger singer{Utf8(so.value("name")), so.value("held").toBool(), so.value("lastRound").toInt(), {}};
    for (const QJsonValue& ev : so.value("songs").toArray()) {
      std::optional<TQueueEntry> entry = EntryOf(ev);
      if (!entry) return std::nullopt;
      singer.songs.push_back(std::move(*entry));
    }
    state.singers.push_back(std::move(singer));
  }
  for (const QJsonValue& hv : root.value("history").toArray()) {
    const QJsonObject ho = hv.toObject();
    state.history.push_back(TSungSong{ho.value("at").toInteger(), Utf8(ho.value("singer")),
                                      static_cast<std::uint32_t>(ho.value("code").toInteger()),
                                      Utf8(ho.value("title"))});
  }
  // The queue's own rules decide the rest (names, ids).
  TSingerQueue check;
  if (!check.Restore(state)) return std::nullopt;
  return check.State();
}

TQueueStore::TQueueStore(QString folder) : folder_(std::move(folder)) {}

QString TQueueStore::DataFolder() {
  const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
  if (QDir::isAbsolutePath(xdg)) return xdg + QStringLiteral("/lyrova");
  const QString home = qEnvironmentVariable("HOME");
  if (home.isEmpty()) return {};
  return home + QStringLiteral("/.local/share/lyrova");
}

QString TQueueStore::FileName() const { return folder_ + QStringLiteral("/queue.json"); }
QString TQueueStore::CopyName() const { return folder_ + QStringLiteral("/queue.json.bak"); }

std::optional<TSingerQueue::TState> TQueueStore::Load() const {
  if (std::optional<TSingerQueue::TState> state = ReadState(FileName())) return state;
  return ReadState(CopyName());
}

bool TQueueStore::SaveJson(const QByteArray& json) const {
  if (folder_.isEmpty() || !QDir().mkpath(folder_)) return false;
  return WriteWhole(FileName(), json) && WriteWhole(CopyName(), json);
}

QByteArray HistoryCsv(const std::vector<TSungSong>& history) {
  QString csv = QStringLiteral("Time,Singer,Code,Title\r\n");
  for (const TSungSong& h : history) {
    const QString when = QDateTime::fromSecsSinceEpoch(h.at).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    csv += when + QLatin1Char(',') + CsvField(Text(h.singer)) + QLatin1Char(',') +
           QStringLiteral("%1").arg(h.code, 4, 10, QLatin1Char('0')) + QLatin1Char(',') + CsvField(Text(h.title)) +
           QStringLiteral("\r\n");
  }
  return csv.toUtf8();
}

}  // namespace lyrova
