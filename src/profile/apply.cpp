#include "profile/apply.h"

#include "config/profile_store.h"
#include "profile/tables.h"

namespace k9 {

namespace {
std::size_t At(int index) { return static_cast<std::size_t>(index); }
}  // namespace

void ApplyProfile(ProfileState& state, const std::filesystem::path& configPath, const ApplyPorts& ports) {
  Profile& profile = state.profile;
  AppliedState& applied = state.applied;

  SaveCurConfig(configPath, state.curConfig);
  SaveProfile(configPath, kMirrorProfile, profile);

  for (int b = 0; b < kButtonCount; ++b) {
    applied.dpiSwitchButton[At(b)] = 0;
    applied.rateSwitchButton[At(b)] = 0;
    const std::int32_t code = profile.buttonFunctions[At(b)];
    const SoftwareAction action = SoftwareActionOf(code);
    if (action == SoftwareAction::TakeDpiLevel) applied.dpiSwitchButton[At(b)] = 1;
    if (action == SoftwareAction::StepReportRate) applied.rateSwitchButton[At(b)] = 1;
    ports.reporter.SendFeatureReport(EncodeButtonFunction(b, code));
  }

  ports.reporter.SendFeatureReport(EncodeWheelStatus(profile.wheelStatus));

  for (int level = 0; level < kDpiLevelCount; ++level) {
    applied.sentDpiCodes[At(level)] = DpiCodeOfStep(profile.dpiSteps[At(level)]);
    ports.reporter.SendFeatureReport(EncodeDpiLevel(profile, level));
  }

  applied.appliedLedMode = profile.ledMode;
  ports.reporter.SendFeatureReport(EncodeLighting(profile.ledMode));

  ports.shell.RequestRepaint();

  if (ports.system.QueryPointerSpeed()) ports.system.SetPointerSpeed(WindowsPointerSpeed(profile.pointerSpeed));
  // Computed in 8 bits, as the setting has always been: 255 gives 0 lines.
  if (ports.system.QueryWheelLines()) ports.system.SetWheelLines(static_cast<std::uint8_t>(profile.wheelSpeed + 1));

  ports.reporter.SendFeatureReport(EncodeFireTime(profile.fireTime));
  ports.reporter.SendFeatureReport(EncodeReportRate(profile.reportRate));

  SaveProfile(configPath, state.curConfig, profile);
}

void ShutdownDevice(const ApplyPorts& ports) {
  ports.shell.RemoveTrayIcon();
  ports.reporter.SendFeatureReport(EncodeRelease());
  if (ports.system.QueryPointerSpeed()) ports.system.SetPointerSpeed(kDefaultPointerSpeed);
  ports.shell.DestroyMainWindow();
}

}  // namespace k9
