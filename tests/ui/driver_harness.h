// The whole driver in process on the virtual mouse, in a fresh copy of the
// program directory, with recording ports; pointer input as Qt events at
// client coordinates of the main window.
#pragma once

#include <QImage>
#include <QPoint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/zel_radeze_app.h"
#include "sim/virtual_mouse.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace k9::test {

class RecordingLauncher final : public ProgramLauncher {
 public:
  explicit RecordingLauncher(EventLog& log) : m_log(log) {}
  void Start(const std::string& commandLine) override { m_log.Add("launch " + commandLine); }

 private:
  EventLog& m_log;
};

class DriverHarness {
 public:
  explicit DriverHarness(sim::VirtualMouseConfig config = sim::StandardConfig());
  ~DriverHarness();

  const std::filesystem::path& programDirectory() const { return m_dir.path(); }
  std::filesystem::path configPath() const { return m_dir.path() / "config.ini"; }

  // Constructs the application and runs the start-up sequence.
  bool Start(bool startHidden = false);

  CZEL_RAdezeApp& app() { return *m_app; }
  CZEL_RAdezeDlg& window() { return *m_app->window(); }
  DriverRecords& records() { return m_app->records(); }
  Profile& profile() { return records().state.profile; }

  // Pointer input: moves first, then the button.
  void Move(QPoint client);
  void Down();
  void Up();
  void Click(QPoint client);
  // A click at the centre of a skin region.
  void ClickMain(int region) { Click(Centre(records().layout.mainEntries.at(static_cast<std::size_t>(region)))); }
  void ClickAdvanced(int region) {
    Click(Centre(records().layout.advancedEntries.at(static_cast<std::size_t>(region))));
  }
  void ClickColor(int region) { Click(Centre(records().layout.colorEntries.at(static_cast<std::size_t>(region)))); }
  static QPoint Centre(const SkinEntry& entry) { return {entry.x + entry.width / 2, entry.y + entry.height / 2}; }
  // Lets queued events (repaints, deferred deletes) run.
  static void Settle();

  QImage Skin(const char* fileName) const;
  std::size_t ReportCount() const { return mouse.Reports().size(); }

  EventLog log;
  FakeSystemSettings system{log};
  RecordingMessageSink messages;
  RecordingLauncher launcher{log};
  sim::VirtualMouse mouse;
  std::deque<std::optional<std::filesystem::path>> fileAnswers;
  std::vector<std::filesystem::path> openedDocuments;
  // What the driver finds when it asks for the desktop's tray.
  bool trayAvailable = true;
  SessionStart* sessionStart = nullptr;

 private:
  TempDir m_dir;
  std::unique_ptr<CZEL_RAdezeApp> m_app;
  QPoint m_pointer;
  Qt::MouseButtons m_buttons;
};

}  // namespace k9::test
