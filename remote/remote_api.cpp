#include "remote/remote_api.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QUrlQuery>
#include <cmath>

#include "remote/remote_state.h"
#include "session/queue_keeper.h"

namespace lyrova {

namespace {

TRemoteReply Json(int status, const QJsonObject& body) {
  return {status, "application/json", QJsonDocument(body).toJson(QJsonDocument::Compact), 0};
}

TRemoteReply Refused(int status, const char* error) { return Json(status, {{"error", QLatin1String(error)}}); }

struct TPageFile {
  const char* path;
  const char* resource;
  const char* type;
};
constexpr TPageFile kPageFiles[] = {
    {"/", ":/remote/page/index.html", "text/html; charset=utf-8"},
    {"/app.js", ":/remote/page/app.js", "text/javascript; charset=utf-8"},
    {"/texts.js", ":/remote/page/texts.js", "text/javascript; charset=utf-8"},
    {"/style.css", ":/remote/page/style.css", "text/css; charset=utf-8"},
};

// A body that is one JSON object, else nothing.
std::optional<QJsonObject> BodyObject(const QByteArray& body) {
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(body, &error);
  if (error.error != QJsonParseError::NoError || !doc.isObject()) return std::nullopt;
  return doc.object();
}

// A whole number within [low, high] from a JSON value, else nothing.
std::optional<qint64> WholeNumber(const QJsonValue& v, qint64 low, qint64 high) {
  if (!v.isDouble()) return std::nullopt;
  const double d = v.toDouble();
  if (d != std::floor(d) || d < static_cast<double>(low) || d > static_cast<double>(high)) return std::nullopt;
  return static_cast<qint64>(d);
}

bool PlainText(const QString& text) {
  for (const QChar c : text)
    if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
        c.category() == QChar::Other_Surrogate || c.category() == QChar::Other_NotAssigned)
      return false;
  return true;
}

const char* NameError(TNameProblem problem) {
  switch (problem) {
    case TNameProblem::None: return nullptr;
    case TNameProblem::Empty: return "name-empty";
    case TNameProblem::TooLong: return "name-too-long";
    case TNameProblem::Control: return "name-bad-character";
  }
  return "name-bad-character";
}

}  // namespace

TRemoteApi::TRemoteApi(TQueueKeeper& queue, IRemoteHost& host, QString pin, std::function<Clock::time_point()> clock)
    : queue_(queue), host_(host), pin_(std::move(pin)), clock_(std::move(clock)) {}

bool TRemoteApi::WellFormedToken(const QByteArray& token) {
  if (token.size() != 32) return false;
  return std::all_of(token.begin(), token.end(),
                     [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

std::string TRemoteApi::GuestOf(const QByteArray& token) {
  return QCryptographicHash::hash("lyrova-guest:" + token, QCryptographicHash::Sha256).toHex().left(16).toStdString();
}

TRemoteReply TRemoteApi::Handle(const TRemoteRequest& request) {
  if (!guard_.Admit(request.address, clock_())) {
    TRemoteReply reply = Refused(429, "too-many-requests");
    reply.retryAfter = 1;
    return reply;
  }
  if (request.body.size() > kLargestBody) return Refused(413, "body-too-large");
  if (request.query.size() > kLargestQuery) return Refused(414, "query-too-long");
  const QString& path = request.path;
  if (path.contains(QLatin1String("..")) || path.contains(QLatin1Char('\\')) || path.contains(QChar(0)))
    return Refused(400, "bad-path");
  using M = TRemoteRequest::TMethod;
  if (!path.startsWith(QLatin1String("/api/"))) {
    if (request.method != M::Get) return Refused(405, "method-not-allowed");
    return Page(request);
  }
  const QString route = path.mid(5);
  if (route == QLatin1String("guest") && request.method == M::Post) {
    QByteArray token(16, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(token.data()), 4);
    token = token.toHex();
    return Json(200, {{"token", QString::fromLatin1(token)}, {"guest", QString::fromStdString(GuestOf(token))}});
  }
  if (route == QLatin1String("state") && request.method == M::Get)
    return {200, "application/json", StateJson(), 0};
  if (route == QLatin1String("search") && request.method == M::Get) return Search(request);
  if (route == QLatin1String("queue") && request.method == M::Post) return AddSong(request);
  if (route.startsWith(QLatin1String("queue/")) && request.method == M::Delete)
    return TakeBack(request, route.mid(6));
  if (route.startsWith(QLatin1String("host/")) && request.method == M::Post) return Host(request, route.mid(5));
  return Refused(404, "not-found");
}

TRemoteReply TRemoteApi::Page(const TRemoteRequest& request) const {
  for (const TPageFile& file : kPageFiles) {
    if (request.path != QLatin1String(file.path)) continue;
    QFile resource(QString::fromLatin1(file.resource));
    if (!resource.open(QIODevice::ReadOnly)) return Refused(500, "page-missing");
    QByteArray bytes = resource.readAll();
    // The page speaks the browser's language.
    if (request.path == QLatin1String("/")) bytes.replace("lang=\"en\"", "lang=\"" + PageLanguage(request.languages) + "\"");
    return {200, file.type, bytes, 0};
  }
  return Refused(404, "not-found");
}

TRemoteReply TRemoteApi::Search(const TRemoteRequest& request) {
  const QUrlQuery query(QString::fromUtf8(request.query));
  const QString by = query.queryItemValue(QStringLiteral("by"), QUrl::FullyDecoded);
  const QString text = query.queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded);
  const QString pageText = query.queryItemValue(QStringLiteral("page"));
  static const std::pair<const char*, int> kModes[] = {{"code", 0}, {"title", 1}, {"singer", 2}, {"words", 5}};
  int item = -1;
  for (const auto& [name, mode] : kModes)
    if (by == QLatin1String(name)) item = mode;
  if (item < 0) return Refused(400, "bad-search-mode");
  if (text.trimmed().isEmpty() || text.size() > kLongestQuery || !PlainText(text)) return Refused(400, "bad-query");
  bool numeric = true;
  const int page = pageText.isEmpty() ? 0 : pageText.toInt(&numeric);
  if (!numeric || page < 0 || page > 100000) return Refused(400, "bad-page");
  if (item == 0) {
    bool digits = true;
    text.trimmed().toUInt(&digits);
    if (!digits) return Refused(400, "bad-code");
  }
  const std::vector<TRemoteSong> found = host_.Search(item, text.toStdString());
  return {200, "application/json", SearchJson(found, page, kPageSize), 0};
}

TRemoteReply TRemoteApi::AddSong(const TRemoteRequest& request) {
  if (!WellFormedToken(request.token)) return Refused(401, "no-guest-token");
  const std::optional<QJsonObject> body = BodyObject(request.body);
  if (!body) return Refused(400, "bad-json");
  const std::optional<qint64> code = WholeNumber(body->value("code"), 0, 0xFFFFFFFFLL);
  if (!code) return Refused(400, "bad-code");
  if (!body->value("singer").isString()) return Refused(400, "name-empty");
  const std::string name = body->value("singer").toString().toStdString();
  if (const char* error = NameError(NameProblem(name))) return Refused(400, error);
  const std::optional<TRemoteSong> song = host_.Song(static_cast<std::uint32_t>(*code));
  if (!song) return Refused(404, "unknown-song");
  const std::string guest = GuestOf(request.token);
  std::size_t waiting = 0;
  for (const TQueueSinger& s : queue_.Queue().Singers())
    waiting += std::count_if(s.songs.begin(), s.songs.end(), [&](const TQueueEntry& e) { return e.owner == guest; });
  if (waiting >= static_cast<std::size_t>(kWaitingPerGuest)) return Refused(429, "too-many-songs");
  TQueueEntry entry;
  entry.code = song->code;
  entry.libraryFile = song->libraryFile;
  entry.title = song->title;
  entry.singer = name;
  entry.owner = guest;
  const std::uint64_t id = queue_.Edit([&](TSingerQueue& q) { return q.Add(entry); });
  return Json(201, {{"id", static_cast<qint64>(id)}});
}

TRemoteReply TRemoteApi::TakeBack(const TRemoteRequest& request, const QString& idText) {
  if (!WellFormedToken(request.token)) return Refused(401, "no-guest-token");
  bool number = false;
  const qulonglong id = idText.toULongLong(&number);
  if (!number) return Refused(400, "bad-id");
  const TQueueEntry* entry = queue_.Queue().Find(id);
  if (!entry) return Refused(404, "unknown-entry");
  if (entry->owner != GuestOf(request.token)) return Refused(403, "not-yours");
  if (queue_.Queue().Playing() == entry) return Refused(409, "playing");
  queue_.Edit([&](TSingerQueue& q) { return q.Remove(id); });
  return {204, "application/json", {}, 0};
}

QByteArray PageLanguage(const QByteArray& acceptLanguage) {
  double ru = -1, en = -1;
  for (const QByteArray& part : acceptLanguage.split(',')) {
    const QList<QByteArray> fields = part.trimmed().split(';');
    const QByteArray tag = fields.value(0).trimmed().toLower();
    double q = 1;
    for (qsizetype i = 1; i < fields.size(); ++i)
      if (fields[i].trimmed().startsWith("q=")) q = fields[i].trimmed().mid(2).toDouble();
    if ((tag == "ru" || tag.startsWith("ru-")) && q > ru) ru = q;
    if ((tag == "en" || tag.startsWith("en-")) && q > en) en = q;
  }
  return ru > en ? "ru" : "en";
}

}  // namespace lyrova
