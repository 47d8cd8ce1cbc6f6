// The server on loopback with real sockets: the page and its headers, the
// state pushed to open pages, a huge body cut off before it is read whole,
// and listening on the chosen address only.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QWebSocket>

#include "remote/qr_code.h"
#include "remote/remote_control.h"
#include "session/queue_keeper.h"
#include "tests/remote/table_host.h"

namespace lyrova {
namespace {

template <class Done>
bool WaitFor(Done done, int ms = 5000) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  return done();
}

struct Served {
  QTemporaryDir dir;
  TQueueKeeper keeper{TQueueStore(dir.path())};
  TTableHost host{NumberedSongs(5)};
  TRemoteControl remote{keeper, host};
  QNetworkAccessManager net;

  Served() { EXPECT_TRUE(remote.Start(QHostAddress::LocalHost, 0)) << remote.Error().toStdString(); }

  QNetworkReply* Send(const QByteArray& verb, const QString& path, const QByteArray& body = {}) {
    QNetworkRequest request(QUrl(remote.Url() + path.mid(1)));
    request.setRawHeader("X-Lyrova-Token", QByteArray(32, 'c'));
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
    QNetworkReply* reply = net.sendCustomRequest(request, verb, body);
    EXPECT_TRUE(WaitFor([reply] { return reply->isFinished(); }));
    return reply;
  }
};

int Status(QNetworkReply* reply) { return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(); }

TEST(RemoteServer, PagePushAndLimitsOnLoopback) {
  Served s;
  EXPECT_TRUE(s.remote.Url().startsWith("http://127.0.0.1:"));
  EXPECT_EQ(s.remote.Pin().size(), 4);

  QNetworkReply* page = s.Send("GET", "/");
  EXPECT_EQ(Status(page), 200);
  EXPECT_TRUE(page->readAll().contains("/app.js"));
  EXPECT_TRUE(page->rawHeader("Content-Security-Policy").contains("default-src 'self'"));

  // Two pages open; each gets the state at once, then every change.
  std::vector<QJsonObject> seen[2];
  QWebSocket pages[2];
  for (int i = 0; i < 2; ++i) {
    QObject::connect(&pages[i], &QWebSocket::textMessageReceived, [&seen, i](const QString& text) {
      seen[i].push_back(QJsonDocument::fromJson(text.toUtf8()).object());
    });
    pages[i].open(QUrl(QString(s.remote.Url()).replace("http:", "ws:") + "ws"));
  }
  ASSERT_TRUE(WaitFor([&] { return seen[0].size() == 1 && seen[1].size() == 1; }));
  EXPECT_EQ(s.remote.Server().Pages(), 2);
  EXPECT_EQ(Status(s.Send("POST", "/api/queue", R"({"code":3,"singer":"Аня"})")), 201);
  ASSERT_TRUE(WaitFor([&] { return seen[0].size() == 2 && seen[1].size() == 2; }));
  EXPECT_EQ(seen[1].back().value("queue").toArray()[0].toObject().value("title").toString(), "Песня 3");
  pages[0].close();
  EXPECT_TRUE(WaitFor([&] { return s.remote.Server().Pages() == 1; }));

  // A body far over the limit is answered while it is still coming.
  QTcpSocket raw;
  raw.connectToHost(QHostAddress::LocalHost, s.remote.Server().Port());
  ASSERT_TRUE(WaitFor([&] { return raw.state() == QAbstractSocket::ConnectedState; }));
  raw.write("POST /api/queue HTTP/1.1\r\nHost: x\r\nContent-Type: application/json\r\nContent-Length: 50000000\r\n\r\n");
  const QByteArray chunk(64 * 1024, 'x');
  QByteArray answer;
  QObject::connect(&raw, &QTcpSocket::readyRead, [&] { answer += raw.readAll(); });
  for (int i = 0; i < 8 && raw.state() == QAbstractSocket::ConnectedState; ++i) {
    raw.write(chunk);
    WaitFor([&] { return raw.bytesToWrite() == 0; }, 500);
  }
  EXPECT_TRUE(WaitFor([&] { return answer.contains("\r\n\r\n{"); }));
  EXPECT_TRUE(answer.startsWith("HTTP/1.1 413")) << answer.left(40).toStdString();
  EXPECT_TRUE(WaitFor([&] { return raw.state() == QAbstractSocket::UnconnectedState; }));
  EXPECT_EQ(s.keeper.Queue().Size(), 1u);
  EXPECT_EQ(Status(s.Send("GET", "/api/state")), 200);  // and the server goes on

  // Nothing answers on another address than the one chosen.
  QTcpSocket other;
  other.connectToHost(QHostAddress("127.0.0.2"), s.remote.Server().Port());
  EXPECT_FALSE(other.waitForConnected(1000));
}

TEST(RemoteServer, AddressAsQrCode) {
  const QImage code = QrCode("http://192.168.100.200:8765/");
  ASSERT_FALSE(code.isNull());
  EXPECT_EQ((code.width() - 8 - 17) % 4, 0);  // a QR version's side with its quiet zone
  EXPECT_EQ(code.pixelColor(4, 4), Qt::black);  // a finder pattern's corner
  EXPECT_EQ(code.pixelColor(0, 0), Qt::white);
}

}  // namespace
}  // namespace lyrova

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
