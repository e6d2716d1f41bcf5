// What the main window asks of the application: applying, the tray, the
// language, file dialogs, the user guide, the message boxes and the event menu.
#pragma once

#include <filesystem>
#include <optional>

#include "ports/message_sink.h"
#include "ports/session_start.h"

namespace k9 {

class CZelMenu;

enum class FileDialogKind { OpenProfile, SaveProfile, OpenMacros, SaveMacros };

class MainWindowHost {
 public:
  virtual ~MainWindowHost() = default;
  virtual void ApplyProfileNow() = 0;
  // Shows the window minimised, hides it and makes sure the tray icon is there.
  virtual void HideToTray() = 0;
  virtual void SwitchToEnglish() = 0;
  virtual void SwitchToChinese() = 0;
  // The user's choice, or nothing when the dialog was cancelled.
  virtual std::optional<std::filesystem::path> ChooseFile(FileDialogKind kind) = 0;
  virtual void OpenUserGuide() = 0;
  virtual void ShowAbout() = 0;
  virtual MessageSink& messages() = 0;
  // The event list's context menu, loaded in the interface language.
  virtual CZelMenu& eventMenu() = 0;
  // Start at login; null where the program offers no such entry.
  virtual SessionStart* sessionStart() { return nullptr; }
};

}  // namespace k9
