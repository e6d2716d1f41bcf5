// Starting the programs that two button functions open: "calc.exe" and
// "cmd.exe" by the names they have always had; each platform maps them to
// its own calculator and terminal.
#pragma once

#include <string>

namespace k9 {

inline constexpr const char* kCalculatorProgram = "calc.exe";
inline constexpr const char* kTerminalProgram = "cmd.exe";

class ProgramLauncher {
 public:
  virtual ~ProgramLauncher() = default;
  // Starts the program detached and returns at once; a program that cannot
  // be started is not reported.
  virtual void Start(const std::string& commandLine) = 0;
};

}  // namespace k9
