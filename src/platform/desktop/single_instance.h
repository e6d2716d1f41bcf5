// One running driver per user: the first start listens on a local socket
// named after "CZEL_RAdezeApp"; a later start asks it to show its window and
// ends. A socket left by a crashed instance is cleared, a live one never.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace k9::desktop {

QString SingleInstanceName();

class SingleInstance final : public QObject {
  Q_OBJECT
 public:
  explicit SingleInstance(QString name = SingleInstanceName(), QObject* parent = nullptr);

  // True when no other instance answered: this process runs, and listens
  // when the socket can be made. False when another instance answered (it
  // has been asked to show itself).
  bool Claim();

 signals:
  void showRequested();

 private:
  bool AskRunningInstance();

  QString m_name;
  QLocalServer m_server;
};

}  // namespace k9::desktop
