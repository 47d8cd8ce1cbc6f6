#pragma once
// TRemoteControl: the web remote as the program switches it on: the
// requests, the server and a fresh PIN for the host, with every change of
// the queue pushed to the open pages. Destroying it stops the server.

#include <QHostAddress>
#include <QObject>
#include <memory>

#include "remote/remote_api.h"
#include "remote/remote_server.h"

namespace lyrova {

class TQueueKeeper;

class TRemoteControl : public QObject {
  Q_OBJECT

 public:
  static constexpr quint16 kDefaultPort = 8765;

  TRemoteControl(TQueueKeeper& queue, IRemoteHost& host, QObject* parent = nullptr);
  ~TRemoteControl() override;

  // False with the reason in Error when the address or port cannot be had.
  bool Start(const QHostAddress& address, quint16 port);
  QString Error() const { return server_->Error(); }
  // What a phone opens, e.g. "http://192.168.1.20:8765/".
  QString Url() const;
  // Four digits, new at every start; shown only in the main window.
  const QString& Pin() const { return pin_; }
  TRemoteServer& Server() { return *server_; }

  // What plays changed (a song started, paused, ended): tell the pages.
  void PlayingChanged() { server_->Broadcast(); }

 private:
  QString pin_;
  QHostAddress address_;
  std::unique_ptr<TRemoteApi> api_;
  std::unique_ptr<TRemoteServer> server_;
};

// The addresses the host may choose to listen on: this machine's own, the
// network's first (IPv4 before IPv6), loopback last.
QList<QHostAddress> RemoteAddresses();

}  // namespace lyrova
