#include "platform/program_launcher_qt.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace k9::platform {

namespace {
const QStringList kCalculators = {"gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "xcalc"};
const QStringList kTerminals = {"x-terminal-emulator", "gnome-terminal", "konsole", "xfce4-terminal",
                                "mate-terminal", "lxterminal", "xterm"};
}  // namespace

QString DesktopProgramLauncher::Resolve(const std::string& commandLine) {
  const QStringList* candidates = nullptr;
  if (commandLine == kCalculatorProgram) candidates = &kCalculators;
  if (commandLine == kTerminalProgram) candidates = &kTerminals;
  if (!candidates) return {};
  for (const QString& name : *candidates) {
    const QString found = QStandardPaths::findExecutable(name);
    if (!found.isEmpty()) return found;
  }
  return {};
}

void DesktopProgramLauncher::Start(const std::string& commandLine) {
  const QString program = Resolve(commandLine);
  if (program.isEmpty()) return;
  QProcess process;
  process.setProgram(program);
  // A detached child would otherwise write into the driver's terminal.
  process.setStandardInputFile(QProcess::nullDevice());
  process.setStandardOutputFile(QProcess::nullDevice());
  process.setStandardErrorFile(QProcess::nullDevice());
  process.startDetached();
}

}  // namespace k9::platform
