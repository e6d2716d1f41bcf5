// "calc.exe" and "cmd.exe" mapped to the desktop's calculator and terminal,
// the first of the usual ones found on PATH, started detached.
#pragma once

#include <QString>
#include <string>

#include "ports/program_launcher.h"

namespace k9::platform {

class DesktopProgramLauncher final : public ProgramLauncher {
 public:
  void Start(const std::string& commandLine) override;
  // The program that would be started for a command line, or empty.
  static QString Resolve(const std::string& commandLine);
};

}  // namespace k9::platform
