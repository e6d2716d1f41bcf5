// k9-profile-report [PROGRAM_DIR]: applies the current profile of
// PROGRAM_DIR/config.ini (default: the folder of this program) to a device
// that only prints, and shows the feature reports, the desktop settings and
// the config.ini writes that applying it makes. Runs no window and opens no
// real device; the config.ini it applies to is a copy, the original stays
// untouched.
#include <cstdio>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "config/profile_store.h"
#include "profile/apply.h"
#include "profile/tables.h"

namespace {

namespace fs = std::filesystem;

struct PrintingDevice final : k9::AbsentHidBackend {
  bool SetFeature(k9::HidHandle, std::span<const std::uint8_t> report) override {
    std::printf("feature");
    for (std::size_t i = 0; i < report.size() && i < 8; ++i) std::printf(" %02X", report[i]);
    std::printf("\n");
    return true;
  }
};

struct PrintingSystem final : k9::SystemSettings {
  std::optional<int> QueryPointerSpeed() override { return 10; }
  void SetPointerSpeed(int speed) override { std::printf("pointer-speed %d\n", speed); }
  std::optional<int> QueryWheelLines() override { return 3; }
  void SetWheelLines(int lines) override { std::printf("wheel-lines %d\n", lines); }
};

struct PrintingShell final : k9::ShellPort {
  void RequestRepaint() override { std::printf("repaint\n"); }
  void RemoveTrayIcon() override { std::printf("tray-remove\n"); }
  void DestroyMainWindow() override { std::printf("exit\n"); }
};

}  // namespace

int main(int argc, char** argv) {
  const fs::path programDir = argc > 1 ? fs::path(argv[1]) : fs::absolute(argv[0]).parent_path();
  const fs::path original = programDir / "config.ini";
  if (!fs::exists(original)) {
    std::fprintf(stderr, "no config.ini in %s\n", programDir.string().c_str());
    return 1;
  }
  const fs::path scratch = fs::temp_directory_path() / "k9-profile-report.ini";
  fs::copy_file(original, scratch, fs::copy_options::overwrite_existing);

  k9::ProfileState state;
  state.curConfig = k9::ReadCurConfig(scratch);
  const k9::UiLanguage language = k9::ReadLanguage(scratch);
  k9::LoadProfile(scratch, state.curConfig, false, language, state.profile);
  std::printf("profile %d of %s (%s interface)\n", static_cast<int>(state.curConfig), original.string().c_str(),
              k9::IsEnglish(language) ? "English" : "Chinese");

  PrintingDevice device;
  k9::DeviceLink link;
  link.writeHandle = 1;
  link.featureReportLength = 8;
  k9::FeatureReporter reporter(device, link);
  PrintingSystem system;
  PrintingShell shell;
  const k9::ApplyPorts ports{reporter, system, shell};
  k9::ApplyProfile(state, scratch, ports);

  std::printf("DPI levels:");
  for (int level = 0; level < k9::kDpiLevelCount; ++level) {
    const auto code = state.applied.sentDpiCodes[static_cast<std::size_t>(level)];
    std::printf(" %d%s", k9::DpiOfCode(code), level == k9::ValidDpiLevel(state.profile.dpiLevel) ? "*" : "");
  }
  std::printf("\n");
  std::printf("on exit:\n");
  k9::ShutdownDevice(ports);
  fs::remove(scratch);
  return 0;
}
