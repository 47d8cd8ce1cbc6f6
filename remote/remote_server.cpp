#include "remote/remote_server.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QTcpSocket>
#include <QWebSocket>
#include <vector>

#include "remote/guarded_tcp_server.h"
#include "remote/remote_api.h"

namespace lyrova {

// The open pages; each socket is deleted when its page goes.
class TOpenPages {
 public:
  std::vector<QWebSocket*> sockets;
};

namespace {

TRemoteRequest::TMethod MethodOf(QHttpServerRequest::Method method) {
  switch (method) {
    case QHttpServerRequest::Method::Get: return TRemoteRequest::TMethod::Get;
    case QHttpServerRequest::Method::Post: return TRemoteRequest::TMethod::Post;
    case QHttpServerRequest::Method::Delete: return TRemoteRequest::TMethod::Delete;
    default: return TRemoteRequest::TMethod::Other;
  }
}

}  // namespace

TRemoteServer::TRemoteServer(TRemoteApi& api, QObject* parent)
    : QAbstractHttpServer(parent), api_(api), pages_(std::make_unique<TOpenPages>()) {
  connect(this, &QAbstractHttpServer::newWebSocketConnection, this, &TRemoteServer::TakePage);
}

TRemoteServer::~TRemoteServer() {
  for (QWebSocket* page : pages_->sockets) {
    page->disconnect(this);
    page->abort();
    delete page;
  }
}

bool TRemoteServer::Start(const QHostAddress& address, quint16 port) {
  auto* tcp = new TGuardedTcpServer(this);
  if (!tcp->listen(address, port)) {
    error_ = tcp->errorString();
    delete tcp;
    return false;
  }
  port_ = tcp->serverPort();
  bind(tcp);
  return true;
}

int TRemoteServer::Pages() const { return static_cast<int>(pages_->sockets.size()); }

void TRemoteServer::TakePage() {
  while (hasPendingWebSocketConnections()) {
    QWebSocket* page = nextPendingWebSocketConnection().release();
    if (Pages() >= kMostPages || page->requestUrl().path() != QLatin1String("/ws")) {
      page->close(QWebSocketProtocol::CloseCodePolicyViolated);
      page->deleteLater();
      continue;
    }
    // Pages only listen; anything they send beyond a ping is not read.
    page->setMaxAllowedIncomingFrameSize(512);
    page->setMaxAllowedIncomingMessageSize(512);
    page->setParent(nullptr);
    pages_->sockets.push_back(page);
    connect(page, &QWebSocket::disconnected, this, [this, page] {
      std::erase(pages_->sockets, page);
      page->deleteLater();
    });
    page->sendTextMessage(QString::fromUtf8(api_.StateJson()));
  }
}

void TRemoteServer::Broadcast() {
  if (pages_->sockets.empty()) return;
  const QString state = QString::fromUtf8(api_.StateJson());
  for (QWebSocket* page : pages_->sockets) page->sendTextMessage(state);
}

bool TRemoteServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
  // A WebSocket handshake is only to be accepted here (without an answer of
  // our own), and then goes on to TakePage; one elsewhere is refused.
  if (request.value("upgrade").compare("websocket", Qt::CaseInsensitive) == 0)
    return request.url().path() == QLatin1String("/ws");
  TRemoteRequest in;
  in.method = MethodOf(request.method());
  in.path = request.url().path(QUrl::FullyDecoded);
  in.query = request.url().query(QUrl::FullyEncoded).toUtf8();
  in.body = request.body();
  in.address = request.remoteAddress().toString().toStdString();
  in.token = request.value("x-lyrova-token");
  in.pin = request.value("x-lyrova-pin");
  in.languages = request.value("accept-language");
  const TRemoteReply reply = api_.Handle(in);

  QHttpServerResponder responder = makeResponder(request, socket);
  const auto status = static_cast<QHttpServerResponder::StatusCode>(reply.status);
  const QByteArray policy = "default-src 'self'; img-src 'self' data:; connect-src 'self'";
  if (reply.retryAfter > 0) {
    responder.write(reply.body,
                    {{"Content-Type", reply.contentType},
                     {"Cache-Control", "no-store"},
                     {"Retry-After", QByteArray::number(reply.retryAfter)}},
                    status);
  } else {
    responder.write(reply.body,
                    {{"Content-Type", reply.contentType},
                     {"Cache-Control", "no-store"},
                     {"X-Content-Type-Options", "nosniff"},
                     {"Content-Security-Policy", policy}},
                    status);
  }
  return true;
}

void TRemoteServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
  makeResponder(request, socket).write(QHttpServerResponder::StatusCode::NotFound);
}

}  // namespace lyrova
