// The text of the driver's XDG desktop entries: the launcher and the entry in
// the autostart folder that starts it with the desktop session.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace k9 {

// The reverse-DNS desktop id: the entry files are <id>.desktop, the icon is <id>.
inline constexpr std::string_view kDesktopId = "io.github.veltrix.ZEL_RAdeze";

// The command-line flag that only the autostart entry passes: start in the
// tray (minimised where there is none) instead of showing the window.
inline constexpr std::string_view kStartHiddenFlag = "--hidden";

// One argument of an Exec line as a program receives it literally: quoted
// when it holds a reserved character, '%' doubled, and the value escapes
// (backslash, line breaks, tabs) applied on top.
std::string DesktopExecArgument(std::string_view argument);

// The whole autostart entry: starts `executable` with the start-hidden flag.
std::string AutostartEntryText(const std::filesystem::path& executable, std::string_view desktopId);

// False when the entry has been switched off by the desktop's own tools
// (Hidden=true, X-GNOME-Autostart-enabled=false) although its file is there.
bool AutostartEntryEnabled(std::string_view entryText);

}  // namespace k9
