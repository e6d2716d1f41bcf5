#include "platform/desktop/autostart.h"

#include <QByteArray>
#include <QSaveFile>
#include <QString>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

#include "util/desktop_entry.h"

namespace k9::desktop {

namespace {

// XDG_CONFIG_HOME counts only when absolute.
std::filesystem::path ConfigHome() {
  if (const char* value = std::getenv("XDG_CONFIG_HOME"); value && value[0] == '/') return value;
  if (const char* home = std::getenv("HOME"); home && home[0] == '/') return std::filesystem::path(home) / ".config";
  return {};
}

}  // namespace

Autostart::Autostart(std::filesystem::path executable, std::string desktopId)
    : m_executable(std::move(executable)), m_desktopId(std::move(desktopId)) {}

std::filesystem::path Autostart::EntryPath() const {
  const std::filesystem::path home = ConfigHome();
  if (home.empty()) return {};
  return home / "autostart" / (m_desktopId + ".desktop");
}

bool Autostart::IsEnabled() const {
  const std::filesystem::path path = EntryPath();
  if (path.empty()) return false;
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  std::ostringstream text;
  text << file.rdbuf();
  return AutostartEntryEnabled(text.str());
}

bool Autostart::SetEnabled(bool enabled) {
  const std::filesystem::path path = EntryPath();
  if (path.empty()) return false;
  std::error_code error;
  if (!enabled) {
    std::filesystem::remove(path, error);
    return !error;
  }
  std::filesystem::create_directories(path.parent_path(), error);
  if (error) return false;
  QSaveFile file(QString::fromStdString(path.string()));
  if (!file.open(QIODevice::WriteOnly)) return false;
  const std::string text = AutostartEntryText(m_executable, m_desktopId);
  if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace k9::desktop
