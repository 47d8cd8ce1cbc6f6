#pragma once
// TGuardedTcpServer: hands the HTTP server its connections, but first
// counts what each one sends before it is answered. Qt's server keeps a
// request's whole body in memory before anyone sees it; a connection that
// sends more than kMostUnanswered bytes is answered 413 at once, the rest
// of what it sends is dropped unread, and it is closed.

#include <QTcpServer>

namespace lyrova {

class TGuardedTcpServer : public QTcpServer {
  Q_OBJECT

 public:
  static constexpr qint64 kMostUnanswered = 64 * 1024;
  using QTcpServer::QTcpServer;

 protected:
  void incomingConnection(qintptr handle) override;
};

}  // namespace lyrova
