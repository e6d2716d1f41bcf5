#include "pages/tray_rules.h"

namespace k9 {

namespace {

struct TextPair {
  std::string_view english;
  std::string_view chinese;
};

constexpr TextPair kNoTrayHint{
    "This desktop shows no system tray, so the driver cannot hide there: its window is minimised instead "
    "and keeps running. To get the tray icon, turn on the desktop's AppIndicator / StatusNotifier support "
    "(on GNOME: the \"AppIndicator and KStatusNotifierItem Support\" extension).",
    "此桌面没有系统托盘，驱动无法隐藏到托盘：窗口将最小化并继续运行。"
    "如需托盘图标，请启用桌面的 AppIndicator / StatusNotifier 支持"
    "（GNOME：\"AppIndicator and KStatusNotifierItem Support\" 扩展）。"};

constexpr TextPair kStartWithSession{"Start with the desktop session", "随桌面会话启动"};

std::string_view Pick(const TextPair& pair, UiLanguage language) {
  return IsEnglish(language) ? pair.english : pair.chinese;
}

}  // namespace

CloseOutcome CloseOutcomeFor(bool trayAvailable, bool hintShown) {
  if (trayAvailable) return {WindowPlace::Hidden, false};
  return {WindowPlace::Minimised, !hintShown};
}

WindowPlace StartPlace(bool startHidden, bool trayAvailable) {
  if (!startHidden) return WindowPlace::Shown;
  return trayAvailable ? WindowPlace::Hidden : WindowPlace::Minimised;
}

WindowPlace PlaceAfterTrayChange(WindowPlace current, bool trayAvailable) {
  if (current == WindowPlace::Hidden && !trayAvailable) return WindowPlace::Minimised;
  return current;
}

std::string_view NoTrayHint(UiLanguage language) { return Pick(kNoTrayHint, language); }

std::string_view StartWithSessionText(UiLanguage language) { return Pick(kStartWithSession, language); }

}  // namespace k9
