#pragma once
// TRemoteServer: the web remote on the network, on Qt's HTTP server. Each
// request goes to TRemoteApi on the main thread; every open page keeps a
// WebSocket, and the state is pushed to all of them whenever the queue or
// what plays changes, so no page polls. The server listens on the one
// address the host chose, and stops with this object.

#include <QAbstractHttpServer>
#include <QHostAddress>
#include <QList>
#include <memory>

namespace lyrova {

class TRemoteApi;
class TOpenPages;

class TRemoteServer : public QAbstractHttpServer {
  Q_OBJECT

 public:
  // More pages than a party holds are turned away.
  static constexpr int kMostPages = 300;

  explicit TRemoteServer(TRemoteApi& api, QObject* parent = nullptr);
  ~TRemoteServer() override;

  // Starts listening; false (with the reason in Error) when the address or
  // port cannot be had. Port 0 takes a free one (tests).
  bool Start(const QHostAddress& address, quint16 port);
  QString Error() const { return error_; }
  quint16 Port() const { return port_; }
  int Pages() const;

  // Pushes the state to every open page.
  void Broadcast();

 protected:
  bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
  void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

 private:
  void TakePage();

  TRemoteApi& api_;
  std::unique_ptr<TOpenPages> pages_;
  QString error_;
  quint16 port_ = 0;
};

}  // namespace lyrova
