// The remote's requests without sockets: what is refused and why (with the
// queue untouched), guests owning their entries, the PIN and its waits, the
// per-address limit and paged searches.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "remote/remote_api.h"
#include "session/queue_keeper.h"
#include "tests/remote/table_host.h"

namespace lyrova {
namespace {

using M = TRemoteRequest::TMethod;
const QByteArray kGuestA(32, 'a');
const QByteArray kGuestB(32, 'b');

struct World {
  QTemporaryDir dir;
  TQueueKeeper keeper{TQueueStore(dir.path())};
  TTableHost host{NumberedSongs(45)};
  TRemoteApi::Clock::time_point now{};
  TRemoteApi api{keeper, host, "4711", [this] { return now; }};

  TRemoteReply Ask(M method, QString path, QByteArray body = {}, QByteArray token = kGuestA, std::string from = "10.0.0.2",
                   QByteArray query = {}, QByteArray pin = {}) {
    TRemoteRequest r;
    r.method = method;
    r.path = std::move(path);
    r.body = std::move(body);
    r.token = std::move(token);
    r.address = std::move(from);
    r.query = std::move(query);
    r.pin = std::move(pin);
    return api.Handle(r);
  }
  TRemoteReply Host(const char* action, QByteArray pin, QByteArray body = {}, std::string from = "10.0.0.9") {
    return Ask(M::Post, QString("/api/host/") + action, std::move(body), {}, std::move(from), {}, std::move(pin));
  }
  std::string Error(const TRemoteReply& reply) {
    return QJsonDocument::fromJson(reply.body).object().value("error").toString().toStdString();
  }
};

struct Refusal {
  const char* what;
  M method;
  const char* path;
  QByteArray body;
  QByteArray query;
  QByteArray token;
  int status;
  const char* error;
};

TEST(RemoteApi, RefusedRequestsChangeNothing) {
  const QByteArray longName = R"({"code":1,"singer":")" + QByteArray(1000, 'x') + R"("})";
  const std::vector<Refusal> cases{
      {"broken JSON", M::Post, "/api/queue", R"({"code":1,"singer":)", {}, kGuestA, 400, "bad-json"},
      {"JSON not an object", M::Post, "/api/queue", "[1,2]", {}, kGuestA, 400, "bad-json"},
      {"huge body", M::Post, "/api/queue", QByteArray(5000, ' '), {}, kGuestA, 413, "body-too-large"},
      {"dot dot in a page path", M::Get, "/../queue.json", {}, {}, kGuestA, 400, "bad-path"},
      {"dot dot deeper", M::Get, "/page/..", {}, {}, kGuestA, 400, "bad-path"},
      {"backslash in a path", M::Get, "/..\\x", {}, {}, kGuestA, 400, "bad-path"},
      {"page that is not there", M::Get, "/secret.txt", {}, {}, kGuestA, 404, "not-found"},
      {"posting to a page", M::Post, "/", {}, {}, kGuestA, 405, "method-not-allowed"},
      {"unknown code", M::Post, "/api/queue", R"({"code":99999,"singer":"Аня"})", {}, kGuestA, 404, "unknown-song"},
      {"code not a number", M::Post, "/api/queue", R"({"code":"1","singer":"Аня"})", {}, kGuestA, 400, "bad-code"},
      {"code with a fraction", M::Post, "/api/queue", R"({"code":1.5,"singer":"Аня"})", {}, kGuestA, 400, "bad-code"},
      {"negative code", M::Post, "/api/queue", R"({"code":-1,"singer":"Аня"})", {}, kGuestA, 400, "bad-code"},
      {"1,000-character name", M::Post, "/api/queue", longName, {}, kGuestA, 400, "name-too-long"},
      {"control character in a name", M::Post, "/api/queue", R"({"code":1,"singer":"Аня\u0007"})", {}, kGuestA, 400,
       "name-bad-character"},
      {"line break in a name", M::Post, "/api/queue", R"({"code":1,"singer":"A\nB"})", {}, kGuestA, 400,
       "name-bad-character"},
      {"no name", M::Post, "/api/queue", R"({"code":1})", {}, kGuestA, 400, "name-empty"},
      {"no token", M::Post, "/api/queue", R"({"code":1,"singer":"Аня"})", {}, {}, 401, "no-guest-token"},
      {"malformed token", M::Post, "/api/queue", R"({"code":1,"singer":"Аня"})", {}, "../../etc", 401,
       "no-guest-token"},
      {"query string too long", M::Get, "/api/search", {}, "by=title&q=" + QByteArray(2000, 'a'), kGuestA, 414,
       "query-too-long"},
      {"unknown search mode", M::Get, "/api/search", {}, "by=file&q=a", kGuestA, 400, "bad-search-mode"},
      {"empty search", M::Get, "/api/search", {}, "by=title&q=%20", kGuestA, 400, "bad-query"},
      {"control character searched", M::Get, "/api/search", {}, "by=title&q=a%00b", kGuestA, 400, "bad-query"},
      {"letters as a code", M::Get, "/api/search", {}, "by=code&q=25a", kGuestA, 400, "bad-code"},
      {"page not a number", M::Get, "/api/search", {}, "by=title&q=a&page=x", kGuestA, 400, "bad-page"},
      {"taking back what is not there", M::Delete, "/api/queue/777", {}, {}, kGuestA, 404, "unknown-entry"},
      {"taking back no number", M::Delete, "/api/queue/abc", {}, {}, kGuestA, 400, "bad-id"},
      {"unknown route", M::Get, "/api/queue.json", {}, {}, kGuestA, 404, "not-found"},
  };
  World w;
  ASSERT_EQ(w.Ask(M::Post, "/api/queue", R"({"code":3,"singer":"Борис"})").status, 201);
  const QByteArray before = w.api.StateJson();
  const QByteArray file = QueueJson(w.keeper.Queue().State());
  int address = 0;
  for (const Refusal& c : cases) {
    const TRemoteReply reply =
        w.Ask(c.method, c.path, c.body, c.token, "10.1.0." + std::to_string(++address), c.query);
    EXPECT_EQ(reply.status, c.status) << c.what;
    EXPECT_EQ(w.Error(reply), c.error) << c.what;
  }
  EXPECT_EQ(w.api.StateJson(), before);
  w.keeper.Flush();
  EXPECT_EQ(QueueJson(*w.keeper.Store().Load()), file);
}

TEST(RemoteApi, GuestsTakeBackOnlyTheirOwn) {
  World w;
  const TRemoteReply guest = w.Ask(M::Post, "/api/guest");
  ASSERT_EQ(guest.status, 200);
  const QJsonObject issued = QJsonDocument::fromJson(guest.body).object();
  const QByteArray token = issued.value("token").toString().toLatin1();
  EXPECT_TRUE(TRemoteApi::WellFormedToken(token));
  EXPECT_EQ(issued.value("guest").toString().toStdString(), TRemoteApi::GuestOf(token));

  const auto add = [&](const QByteArray& who, const char* name) {
    const TRemoteReply r = w.Ask(M::Post, "/api/queue", QByteArray(R"({"code":2,"singer":")") + name + "\"}", who);
    EXPECT_EQ(r.status, 201);
    return QString::number(QJsonDocument::fromJson(r.body).object().value("id").toInteger());
  };
  const QString mine = add(token, "Аня");
  const QString theirs = add(kGuestB, "Борис");
  EXPECT_EQ(w.Ask(M::Delete, "/api/queue/" + theirs, {}, token).status, 403);
  EXPECT_EQ(w.keeper.Queue().Size(), 2u);
  EXPECT_EQ(w.Ask(M::Delete, "/api/queue/" + mine, {}, token).status, 204);
  EXPECT_EQ(w.keeper.Queue().Size(), 1u);

  // The pages see the guest's hash, never a token.
  const QByteArray state = w.api.StateJson();
  EXPECT_FALSE(state.contains(kGuestB));
  EXPECT_EQ(QJsonDocument::fromJson(state).object().value("queue").toArray()[0].toObject().value("guest").toString(),
            QString::fromStdString(TRemoteApi::GuestOf(kGuestB)));
  // Five waiting songs a guest, so one phone cannot fill the evening.
  for (int i = 0; i < 4; ++i) add(kGuestB, "Борис");
  EXPECT_EQ(w.Error(w.Ask(M::Post, "/api/queue", R"({"code":2,"singer":"Вика"})", kGuestB)), "too-many-songs");
  // Saved after every change.
  w.keeper.Flush();
  EXPECT_EQ(w.keeper.Store().Load()->singers.size(), 2u);
}

TEST(RemoteApi, PinWaitsGrowAfterWrongTries) {
  World w;
  EXPECT_EQ(w.Host("skip", "0000").status, 403);
  const TRemoteReply waiting = w.Host("skip", "4711");  // even the right PIN waits
  EXPECT_EQ(waiting.status, 429);
  EXPECT_EQ(waiting.retryAfter, 1);
  EXPECT_EQ(w.Host("skip", "4711", {}, "10.0.0.10").status, 204);  // another address does not
  w.now += std::chrono::milliseconds(1100);
  EXPECT_EQ(w.Host("skip", "47110").status, 403);
  w.now += std::chrono::milliseconds(1100);
  EXPECT_EQ(w.Host("skip", "4711").status, 429);  // the second wrong try: 2 s
  EXPECT_EQ(w.Host("skip", "4711").retryAfter, 1);
  w.now += std::chrono::seconds(1);
  EXPECT_EQ(w.Host("skip", "4711").status, 204);
  EXPECT_EQ(w.Host("skip", "").status, 403);  // no PIN is a wrong PIN
  EXPECT_EQ(w.host.calls["skip"], 2);

  w.now += std::chrono::seconds(5);
  EXPECT_EQ(w.Host("key", "4711", R"({"by":-2})").status, 204);
  EXPECT_EQ(w.Host("tempo", "4711", R"({"by":1})").status, 204);
  EXPECT_EQ(w.Host("key", "4711", R"({"by":40})").status, 400);
  EXPECT_EQ(w.Host("pause", "4711").status, 204);
  EXPECT_EQ(w.Host("stop", "4711").status, 204);
  EXPECT_EQ((std::map<std::string, int>{{"key", -2}, {"tempo", 1}, {"pause", 1}, {"stop", 1}, {"skip", 2}}),
            w.host.calls);

  // Reordering, holding and removing from the phone.
  w.Ask(M::Post, "/api/queue", R"({"code":1,"singer":"Аня"})");
  w.Ask(M::Post, "/api/queue", R"({"code":2,"singer":"Борис"})", kGuestB);
  EXPECT_EQ(w.Host("move", "4711", R"({"singer":"борис","to":0})").status, 204);
  EXPECT_EQ(w.keeper.Queue().Upcoming()[0].entry->singer, "Борис");
  EXPECT_EQ(w.Host("hold", "4711", R"({"singer":"Борис","held":true})").status, 204);
  EXPECT_EQ(w.keeper.Queue().Upcoming()[0].entry->singer, "Аня");
  EXPECT_EQ(w.Host("move", "4711", R"({"singer":"Никто","to":0})").status, 404);
  const auto id = static_cast<qint64>(w.keeper.Queue().Upcoming()[0].entry->id);
  EXPECT_EQ(w.Host("remove", "4711", QJsonDocument(QJsonObject{{"id", id}}).toJson()).status, 204);
  EXPECT_EQ(w.keeper.Queue().Size(), 1u);
}

TEST(RemoteApi, RequestsPerAddressAreLimited) {
  World w;
  for (int i = 0; i < 60; ++i) ASSERT_EQ(w.Ask(M::Get, "/api/state").status, 200) << i;
  const TRemoteReply refused = w.Ask(M::Get, "/api/state");
  EXPECT_EQ(refused.status, 429);
  EXPECT_EQ(refused.retryAfter, 1);
  EXPECT_EQ(w.Ask(M::Get, "/api/state", {}, kGuestA, "10.0.0.3").status, 200);
  w.now += std::chrono::seconds(1);  // 20 a second come back
  for (int i = 0; i < 20; ++i) EXPECT_EQ(w.Ask(M::Get, "/api/state").status, 200) << i;
  EXPECT_EQ(w.Ask(M::Get, "/api/state").status, 429);
}

TEST(RemoteApi, SearchesComeInPages) {
  World w;
  struct Case {
    QByteArray query;
    int total;
    std::vector<int> codes;
  };
  const std::vector<Case> cases{
      {"by=title&q=%D0%BF%D0%B5%D1%81%D0%BD%D1%8F", 45, {1, 2, 3}},  // "песня", any case
      {"by=title&q=%D0%BF%D0%B5%D1%81%D0%BD%D1%8F&page=2", 45, {41, 42, 43, 44, 45}},
      {"by=title&q=%D0%BF%D0%B5%D1%81%D0%BD%D1%8F&page=9", 45, {}},
      {"by=code&q=25", 1, {25}},
      {"by=singer&q=%D0%B0%D0%BD%D1%81%D0%B0%D0%BC%D0%B1%D0%BB%D1%8C", 22, {2, 4, 6}},
  };
  for (const Case& c : cases) {
    const TRemoteReply reply = w.Ask(M::Get, "/api/search", {}, {}, "10.0.0.4", c.query);
    ASSERT_EQ(reply.status, 200) << c.query.toStdString();
    const QJsonObject page = QJsonDocument::fromJson(reply.body).object();
    EXPECT_EQ(page.value("total").toInt(), c.total);
    const QJsonArray songs = page.value("songs").toArray();
    EXPECT_LE(songs.size(), TRemoteApi::kPageSize);
    for (std::size_t i = 0; i < c.codes.size(); ++i) EXPECT_EQ(songs[static_cast<qsizetype>(i)].toObject().value("code").toInt(), c.codes[i]);
    if (c.codes.empty()) {
      EXPECT_TRUE(songs.isEmpty());
    }
  }
}

TEST(RemoteApi, PageInTheBrowsersLanguage) {
  const std::vector<std::pair<QByteArray, QByteArray>> cases{
      {"ru-RU,ru;q=0.9,en-US;q=0.8", "ru"}, {"en-US,en;q=0.9,ru;q=0.8", "en"}, {"de-DE,ru;q=0.5", "ru"},
      {"fr", "en"}, {"", "en"}, {"en;q=0.2, ru;q=0.3", "ru"}};
  for (const auto& [header, language] : cases) EXPECT_EQ(PageLanguage(header), language) << header.toStdString();
  World w;
  TRemoteRequest r;
  r.path = "/";
  r.languages = "ru";
  const TRemoteReply page = w.api.Handle(r);
  EXPECT_EQ(page.status, 200);
  EXPECT_TRUE(page.body.contains("<html lang=\"ru\">"));
  r.path = "/texts.js";
  EXPECT_TRUE(w.api.Handle(r).body.contains("Найти песню"));
}

}  // namespace
}  // namespace lyrova
