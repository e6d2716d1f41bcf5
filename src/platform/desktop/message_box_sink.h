// The caption-less message boxes: an OK box whose title is the program
// file's name, as the desktop shows for a box without a caption of its own.
#pragma once

#include <QPointer>
#include <QWidget>

#include "ports/message_sink.h"

namespace k9::desktop {

class MessageBoxSink final : public MessageSink {
 public:
  void setParent(QWidget* parent) { m_parent = parent; }
  void ShowMessage(const std::string& utf8Text) override;

 private:
  QPointer<QWidget> m_parent;
};

}  // namespace k9::desktop
