#include "config/program_directory.h"

#include <system_error>

namespace k9 {

namespace fs = std::filesystem;

fs::path InstalledDataDirectory(const fs::path& executableDirectory) {
  return executableDirectory.parent_path() / "share" / kPackageName;
}

ProgramDirectoryChoice ChooseProgramDirectory(const ProgramLocation& location) {
  std::error_code error;
  const fs::path& own = location.executableDirectory;
  const fs::path installed = InstalledDataDirectory(own);
  if (fs::exists(own / "config.ini", error) || !fs::is_directory(installed, error)) return {own, std::nullopt};
  if (location.xdgDataHome && location.xdgDataHome->is_absolute()) {
    return {*location.xdgDataHome / kPackageName, installed};
  }
  if (location.home && location.home->is_absolute()) {
    return {*location.home / ".local" / "share" / kPackageName, installed};
  }
  return {own, std::nullopt};
}

bool FillMissingFiles(const fs::path& source, const fs::path& target) {
  std::error_code error;
  bool complete = fs::create_directories(target, error) || fs::is_directory(target, error);
  fs::recursive_directory_iterator it(source, fs::directory_options::skip_permission_denied, error);
  if (error) return false;
  for (const fs::recursive_directory_iterator end; it != end; it.increment(error)) {
    if (error) return false;
    const fs::path relative = it->path().lexically_relative(source);
    const fs::path destination = target / relative;
    if (it->is_directory(error)) {
      complete &= fs::create_directories(destination, error) || fs::is_directory(destination, error);
    } else if (it->is_regular_file(error) && !fs::exists(destination, error)) {
      complete &= fs::copy_file(it->path(), destination, fs::copy_options::skip_existing, error) && !error;
      // Installed files are read-only for the user; the copies are theirs.
      fs::permissions(destination, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, error);
    }
  }
  return complete;
}

}  // namespace k9
