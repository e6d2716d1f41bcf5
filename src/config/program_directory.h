// Where the driver keeps its files. Run from the build tree (or unpacked as
// on Windows) it uses the folder of its executable; installed, each user has
// a data folder of their own, filled on first start from the installed data
// with only what is missing, so that nothing is ever written under /usr.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace k9 {

inline constexpr std::string_view kPackageName = "veltrix-k9";

// What the choice depends on: the executable's folder and the environment.
struct ProgramLocation {
  std::filesystem::path executableDirectory;
  std::optional<std::filesystem::path> xdgDataHome;  // $XDG_DATA_HOME
  std::optional<std::filesystem::path> home;         // $HOME
};

struct ProgramDirectoryChoice {
  std::filesystem::path programDirectory;
  // The installed data to fill it from; none when the executable's own folder
  // is used.
  std::optional<std::filesystem::path> installedData;
};

// <prefix>/share/veltrix-k9 for an executable in <prefix>/bin.
std::filesystem::path InstalledDataDirectory(const std::filesystem::path& executableDirectory);

// The executable's folder when it holds config.ini or no installed data
// exists beside it; otherwise $XDG_DATA_HOME/veltrix-k9 (an absolute value
// only, as the XDG rules say) or $HOME/.local/share/veltrix-k9. Without
// either variable, the executable's folder.
ProgramDirectoryChoice ChooseProgramDirectory(const ProgramLocation& location);

// Copies into `target` every file of `source` (recursively) that `target`
// does not have yet; nothing there is replaced. False when a folder or file
// could not be made; what could be copied is copied.
bool FillMissingFiles(const std::filesystem::path& source, const std::filesystem::path& target);

}  // namespace k9
