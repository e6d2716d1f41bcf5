#include "platform/desktop/message_box_sink.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace k9::desktop {

void MessageBoxSink::ShowMessage(const std::string& utf8Text) {
  const QString caption = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
  QMessageBox box(QMessageBox::NoIcon, caption, QString::fromStdString(utf8Text), QMessageBox::Ok, m_parent);
  box.exec();
}

}  // namespace k9::desktop
