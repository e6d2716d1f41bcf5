#include "platform/desktop/single_instance.h"

#include <QLocalSocket>
#include <unistd.h>

namespace k9::desktop {

namespace {
constexpr int kConnectTimeoutMs = 1000;
constexpr char kShowRequest[] = "show\n";
}  // namespace

QString SingleInstanceName() { return QStringLiteral("CZEL_RAdezeApp-%1").arg(::getuid()); }

SingleInstance::SingleInstance(QString name, QObject* parent) : QObject(parent), m_name(std::move(name)) {
  connect(&m_server, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
      connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        if (socket->readAll().contains("show")) emit showRequested();
        socket->disconnectFromServer();
      });
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
  });
}

bool SingleInstance::AskRunningInstance() {
  QLocalSocket socket;
  socket.connectToServer(m_name);
  if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
  socket.write(kShowRequest);
  socket.waitForBytesWritten(kConnectTimeoutMs);
  socket.waitForDisconnected(kConnectTimeoutMs);
  return true;
}

bool SingleInstance::Claim() {
  if (AskRunningInstance()) return false;
  if (m_server.listen(m_name)) return true;
  // Nobody answered: the socket file is a crashed instance's.
  if (m_server.serverError() == QAbstractSocket::AddressInUseError) {
    if (AskRunningInstance()) return false;
    QLocalServer::removeServer(m_name);
    if (m_server.listen(m_name)) return true;
  }
  // No instance answered, so this one runs even though a later start will
  // not find it: a driver that cannot listen is better than no driver.
  return true;
}

}  // namespace k9::desktop
