#include "util/desktop_entry.h"

namespace k9 {

namespace {

constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
// Inside double quotes these keep their meaning unless escaped.
constexpr std::string_view kEscapedInQuotes = "\"`$\\";

// The escapes every string value of a desktop entry takes.
std::string EscapeValue(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      default: out += c;
    }
  }
  return out;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

}  // namespace

std::string DesktopExecArgument(std::string_view argument) {
  const bool quote = argument.empty() || argument.find_first_of(kReserved) != std::string_view::npos;
  std::string quoted;
  if (quote) quoted += '"';
  for (const char c : argument) {
    if (c == '%') {
      quoted += "%%";
      continue;
    }
    if (quote && kEscapedInQuotes.find(c) != std::string_view::npos) quoted += '\\';
    quoted += c;
  }
  if (quote) quoted += '"';
  return EscapeValue(quoted);
}

std::string AutostartEntryText(const std::filesystem::path& executable, std::string_view desktopId) {
  std::string text = "[Desktop Entry]\n";
  text += "Type=Application\n";
  text += "Name=VELTRIX K9\n";
  text += "Comment=Runs the VELTRIX K9 driver in the tray, so that the mouse's macros work\n";
  text += "Exec=" + DesktopExecArgument(executable.string()) + " " + std::string(kStartHiddenFlag) + "\n";
  text += "Icon=" + EscapeValue(desktopId) + "\n";
  text += "Terminal=false\n";
  text += "X-GNOME-Autostart-enabled=true\n";
  return text;
}

bool AutostartEntryEnabled(std::string_view entryText) {
  bool inMainGroup = false;
  while (!entryText.empty()) {
    const auto end = entryText.find('\n');
    const std::string_view line = Trim(entryText.substr(0, end));
    entryText = end == std::string_view::npos ? std::string_view() : entryText.substr(end + 1);
    if (!line.empty() && line.front() == '[') {
      inMainGroup = line == "[Desktop Entry]";
      continue;
    }
    const auto equals = line.find('=');
    if (!inMainGroup || equals == std::string_view::npos) continue;
    const std::string_view key = Trim(line.substr(0, equals));
    const std::string_view value = Trim(line.substr(equals + 1));
    if (key == "Hidden" && value == "true") return false;
    if (key == "X-GNOME-Autostart-enabled" && value == "false") return false;
  }
  return true;
}

}  // namespace k9
