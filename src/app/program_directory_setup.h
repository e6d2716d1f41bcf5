// The program directory of a starting driver: the executable's folder in the
// build tree, or the user's own data folder, filled from the installed data.
#pragma once

#include <filesystem>

#include "config/program_directory.h"

namespace k9 {

// Chooses from the executable's folder and the environment, and fills a
// per-user folder with what it is missing.
ProgramDirectoryChoice PrepareProgramDirectory(const std::filesystem::path& executableDirectory);

}  // namespace k9
