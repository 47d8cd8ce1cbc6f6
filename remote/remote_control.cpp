#include "remote/remote_control.h"

#include <QNetworkInterface>
#include <QRandomGenerator>

#include "session/queue_keeper.h"

namespace lyrova {

TRemoteControl::TRemoteControl(TQueueKeeper& queue, IRemoteHost& host, QObject* parent)
    : QObject(parent),
      pin_(QStringLiteral("%1").arg(QRandomGenerator::system()->bounded(10000), 4, 10, QLatin1Char('0'))),
      api_(std::make_unique<TRemoteApi>(queue, host, pin_)),
      server_(std::make_unique<TRemoteServer>(*api_)) {
  connect(&queue, &TQueueKeeper::changed, this, [this] { server_->Broadcast(); });
}

TRemoteControl::~TRemoteControl() = default;

bool TRemoteControl::Start(const QHostAddress& address, quint16 port) {
  address_ = address;
  return server_->Start(address, port);
}

QString TRemoteControl::Url() const {
  QString host = address_.toString();
  if (address_.protocol() == QAbstractSocket::IPv6Protocol) host = QLatin1Char('[') + host + QLatin1Char(']');
  return QStringLiteral("http://%1:%2/").arg(host).arg(server_->Port());
}

QList<QHostAddress> RemoteAddresses() {
  QList<QHostAddress> v4, v6, loopback;
  for (const QHostAddress& a : QNetworkInterface::allAddresses()) {
    if (a.isLoopback()) {
      loopback.push_back(a);
    } else if (a.protocol() == QAbstractSocket::IPv4Protocol) {
      v4.push_back(a);
    } else if (!a.isLinkLocal()) {
      v6.push_back(a);
    }
  }
  return v4 + v6 + loopback;
}

}  // namespace lyrova
