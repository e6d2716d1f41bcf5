// The about box: the program's icon, name and version.
#pragma once

#include <QDialog>

namespace k9 {

class CAboutDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace k9
