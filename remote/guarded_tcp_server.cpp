#include "remote/guarded_tcp_server.h"

#include <QTcpSocket>

namespace lyrova {

void TGuardedTcpServer::incomingConnection(qintptr handle) {
  auto* socket = new QTcpSocket(this);
  if (!socket->setSocketDescriptor(handle)) {
    delete socket;
    return;
  }
  // Connected before the HTTP server's own slot, so this one runs first.
  auto unanswered = std::make_shared<qint64>(0);
  auto refused = std::make_shared<bool>(false);
  connect(socket, &QTcpSocket::readyRead, socket, [socket, unanswered, refused] {
    if (*refused) {
      socket->skip(socket->bytesAvailable());
      return;
    }
    *unanswered += socket->bytesAvailable();
    if (*unanswered <= kMostUnanswered) return;
    *refused = true;
    socket->skip(socket->bytesAvailable());
    static const QByteArray body = R"({"error":"body-too-large"})";
    socket->write("HTTP/1.1 413 Payload Too Large\r\nContent-Type: application/json\r\nConnection: close\r\n"
                  "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body);
    socket->disconnectFromHost();
  });
  connect(socket, &QTcpSocket::bytesWritten, socket, [unanswered] { *unanswered = 0; });
  addPendingConnection(socket);
}

}  // namespace lyrova
