#include "popups/about_dlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace k9 {

CAboutDlg::CAboutDlg(const QString& systemSettingsName, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About ZEL_RAdeze"));
  auto* layout = new QGridLayout(this);
  auto* icon = new QLabel(this);
  icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
  layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
  layout->addWidget(new QLabel(QStringLiteral("ZEL_RAdeze Version 1.0"), this), 0, 1);
  layout->addWidget(new QLabel(QStringLiteral("Configuration utility and driver of the VELTRIX K9 mouse"), this), 1, 1);
  if (!systemSettingsName.isEmpty()) {
    auto* settings = new QLabel(QStringLiteral("Pointer speed and wheel lines: ") + systemSettingsName, this);
    settings->setObjectName(QStringLiteral("systemSettings"));
    layout->addWidget(settings, 2, 1);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons, 0, 2, Qt::AlignTop);
}

}  // namespace k9
