#include "app/program_directory_setup.h"

#include <cstdlib>

namespace k9 {

namespace {

std::optional<std::filesystem::path> Environment(const char* name) {
  const char* value = std::getenv(name);
  if (!value || !*value) return std::nullopt;
  return std::filesystem::path(value);
}

}  // namespace

ProgramDirectoryChoice PrepareProgramDirectory(const std::filesystem::path& executableDirectory) {
  const ProgramDirectoryChoice choice =
      ChooseProgramDirectory({executableDirectory, Environment("XDG_DATA_HOME"), Environment("HOME")});
  // A fill that fails leaves files missing; the start-up sequence then says
  // which one, as for a damaged program folder.
  if (choice.installedData) FillMissingFiles(*choice.installedData, choice.programDirectory);
  return choice;
}

}  // namespace k9
