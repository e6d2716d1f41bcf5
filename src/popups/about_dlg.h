// The about box: the program's icon, name and version, and where the
// profile's pointer speed and wheel lines go on this desktop.
#pragma once

#include <QDialog>

namespace k9 {

class CAboutDlg : public QDialog {
  Q_OBJECT
 public:
  // An empty settings name leaves that line out.
  explicit CAboutDlg(const QString& systemSettingsName = {}, QWidget* parent = nullptr);
};

}  // namespace k9
